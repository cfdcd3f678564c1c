// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace velmora {

class Connection;
class Game;

// Hands what the connection tells to the game (its state, each message that
// arrived) and what the game has to send to the connection. Connected first,
// before any window, so the game has heard of a change when a window shows it.
//
// A caller is taken at once unless a game against the computer is in
// progress (a move made, not ended): then `askUser`, given the caller's
// address, decides. Without one every caller is taken.
using CallerQuestion = std::function<bool(const QString& address)>;
void linkGameAndConnection(Game& game, Connection& connection, CallerQuestion askUser = {});

}  // namespace velmora
