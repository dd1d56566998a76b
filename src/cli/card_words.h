#pragma once

// The words of trailcam-card in the user's language.
#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

// The context in which the command line's texts are translated.
struct TrailcamCard {
    Q_DECLARE_TR_FUNCTIONS(TrailcamCard)
};

// `text`, translated, as the output takes it, with `args` in place of %1, %2 ... up to %9; the
// arguments stay the bytes they are, names that are no text among them.
std::string Said(const QString& text, std::initializer_list<std::string_view> args = {});
