// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace velmora {

// Every modal message box and input box of the program goes through this,
// so that tests can see what was asked and give the answer.
class Dialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Question, Critical };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;
    // `defaultAnswer` is the button that Enter presses.
    virtual Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
                              Answer defaultAnswer) = 0;
    // The text typed; none when the user cancels.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
};

// The real boxes, centred on `parent` while it is set.
class QtDialogs : public Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
                      Answer defaultAnswer) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace velmora
