// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_link.h"

#include "connection.h"
#include "game.h"

namespace velmora {

void linkGameAndConnection(Game& game, Connection& connection, CallerQuestion askUser) {
    connection.setCallerCheck([&game, askUser = std::move(askUser)](const QString& address) {
        const bool inProgress = game.moveCount() > 0 && !game.result();
        return !inProgress || !askUser || askUser(address);
    });
    QObject::connect(&connection, &Connection::stateChanged, &game,
                     [&game, &connection](Connection::State state) {
                         switch (state) {
                             case Connection::State::Calling:
                                 game.callStarted();
                                 break;
                             case Connection::State::Connected:
                                 if (connection.answeredCall()) {
                                     game.callerTaken();
                                 } else {
                                     game.callAnswered();
                                 }
                                 break;
                             case Connection::State::Listening:
                                 game.remoteGameEnded();
                                 break;
                             case Connection::State::HangingUp:
                                 break;
                         }
                     });
    QObject::connect(&connection, &Connection::moveArrived, &game, &Game::receiveMove);
    QObject::connect(&connection, &Connection::resetArrived, &game, &Game::receiveReset);
    QObject::connect(&connection, &Connection::finishArrived, &game, &Game::receiveFinish);
    QObject::connect(&game, &Game::moveToSend, &connection, &Connection::sendMove);
    QObject::connect(&game, &Game::resetToSend, &connection, &Connection::sendReset);
    QObject::connect(&game, &Game::finishToSend, &connection, &Connection::sendFinish);
}

}  // namespace velmora
