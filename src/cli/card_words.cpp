#include "cli/card_words.h"

std::string Said(const QString& text, std::initializer_list<std::string_view> args) {
    const std::string translated = text.toStdString();
    std::string said;
    for (std::size_t i = 0; i < translated.size(); ++i) {
        const char next = i + 1 < translated.size() ? translated[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (translated[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            said += args.begin()[n];
            ++i;
        } else {
            said += translated[i];
        }
    }
    return said;
}
