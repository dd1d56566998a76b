#pragma once

// The buttons of a dialog and the handlers their clicks run, from a table of
// (identifier, handler) pairs.
#include <QPushButton>

#include <span>

template <class Dialog>
struct ButtonHandler {
    int id;
    void (Dialog::*handler)();
};

template <class Dialog>
void ConnectButtons(Dialog& dialog, std::span<const ButtonHandler<Dialog>> buttons) {
    for (const ButtonHandler<Dialog>& button : buttons) {
        QObject::connect(dialog.Button(button.id), &QPushButton::clicked, &dialog, button.handler);
    }
}
