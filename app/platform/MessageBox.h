#pragma once

#include <QString>

namespace platform {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Question, Exclamation, Information };
enum class Answer { Ok, Yes, No };

// One box as the caller asked for it, with the title already resolved.
struct MessageRequest {
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString title;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Modal: returns when the user has pressed a button.
    virtual Answer show(const MessageRequest& request) = 0;
};

// The box that a person answers.
class QtMessageBox final : public MessageBoxService {
public:
    Answer show(const MessageRequest& request) override;
};

// Shows a box through the current service; an empty title becomes the
// application title, as every box of the program is titled.
Answer messageBox(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                  const QString& title = {});

} // namespace platform
