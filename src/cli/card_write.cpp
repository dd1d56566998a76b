// trailcam-card write: one form's settings, changed by the command line, written onto many cards
// through the same writer as the form's "Generate".
#include <functional>
#include <map>
#include <system_error>
#include <thread>

#include "cli/card_command.h"
#include "cli/card_words.h"
#include "cli/form_lines.h"
#include "core/clock_text.h"
#include "core/settings_text.h"
#include "words/read_words.h"

namespace {

using Shape = LineShape;

// How much of a long value a message shows.
constexpr std::size_t kShownValue = 24;

std::string KeysOf(std::span<const TextLine> lines) {
    std::string keys;
    for (const TextLine& line : lines) {
        keys += (keys.empty() ? "" : ", ") + line.key;
    }
    return keys;
}

// Why `value` cannot stand in `line` of the valid `text`: it breaks the format or is no value of
// the line's kind.
std::optional<std::string> SetProblem(const SettingsKind& kind, std::string_view text,
                                      const TextLine& line, const std::string& value) {
    if (!IsPrintableAscii(value)) {
        return Said(TrailcamCard::tr("--set %1: a value must be printable ASCII, without line "
                                     "breaks, tabs or other characters the camera cannot read"),
                    {line.key});
    }
    const std::string set =
        "--set " + line.key + "=" +
        (value.size() > kShownValue ? value.substr(0, kShownValue) + "..." : value) + ": ";
    std::vector<TextLine> lines = SplitSettingsLines(text);
    for (TextLine& changed : lines) {
        changed.value = changed.key == line.key ? value : changed.value;
    }
    const std::optional<ReadProblem> problem = kind.refuse(JoinSettingsLines(lines));
    if (!problem) {
        return std::nullopt;
    }
    // The problem lies in the line that --set changed.
    return set + TextProblemWords(*problem, false).toStdString();
}

// A clock that --set did not give is taken now, in the date order of its line.
void TakeClocks(const SettingsKind& kind, const Invocation& invocation,
                std::vector<TextLine>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const FormLine& line = kind.lines[i];
        const bool given = std::any_of(invocation.sets.begin(), invocation.sets.end(),
                                       [&](const auto& set) { return set.first == line.key; });
        if (line.shape != Shape::Clock || given) {
            continue;
        }
        for (std::size_t j = 0; j < lines.size(); ++j) {
            if (kind.lines[j].controls[0] == line.orderList) {
                lines[i].value = FormatClockText(std::stoi(lines[j].value), CurrentLocalTime());
            }
        }
    }
}

// The problems of the settings as a whole, as the form finds them on "Generate", once every --set
// is in and the clock is taken; with none, `text` is the text to write.
std::vector<std::string> ProblemsOfTheWhole(const SettingsKind& kind, const Invocation& invocation,
                                            std::vector<TextLine>& lines, std::string& text) {
    if (const std::optional<ReadProblem> problem = kind.refuse(JoinSettingsLines(lines))) {
        return {TextProblemWords(*problem).toStdString()};
    }
    TakeClocks(kind, invocation, lines);
    std::vector<std::string> problems = ValueProblems(kind, lines);
    text = JoinSettingsLines(lines);
    for (std::string& problem : kind.recordProblems(text)) {
        problems.push_back(std::move(problem));
    }
    return problems;
}

// What became of writing into `folder`, in a terminal's words: what happened and why, the
// system's reason or the program's own, with what to do where that is not plain.
std::string OutcomeWords(const SettingsFileOutcome& outcome, const std::string& folder) {
    using Status = SettingsFileOutcome::Status;
    const std::error_code& reason = outcome.reason;
    const std::string why = ReasonWords(reason).toStdString();
    const auto cardBack = [&] {
        return Said(TrailcamCard::tr("%1; put it back and write it again"), {why});
    };
    switch (outcome.status) {
        case Status::Written:
            return Said(TrailcamCard::tr("System configuration file has been generated."));
        case Status::Refused:
            return reason == FileProblem::TooLong
                       ? Said(TrailcamCard::tr(
                                  "not written: the settings are %1 bytes long, at most %2 fit"),
                              {std::to_string(outcome.length),
                               std::to_string(kMaxSettingsTextLength)})
                       : Said(
                             TrailcamCard::tr("not written: the form would refuse these settings"));
        case Status::CardGone:
            return reason == FileProblem::NoCardMounted
                       ? Said(TrailcamCard::tr("not written: no card is mounted at %1"),
                              {Shown(folder)})
                       : Said(TrailcamCard::tr("not written: the card is no longer there"));
        case Status::CannotOpen:
            return Said(TrailcamCard::tr("cannot create the file: %1"),
                        {reason == FileProblem::NotAFolder
                             ? Said(TrailcamCard::tr("%1; give the card's folder"), {why})
                         : reason == std::errc::read_only_file_system
                             ? Said(TrailcamCard::tr("%1; is the card's lock switch set?"), {why})
                             : why});
        case Status::Failed:
            return Said(TrailcamCard::tr("not written: %1"),
                        {reason == FileProblem::CardRemoved ? cardBack() : why});
        case Status::WrittenUnchecked:
            return Said(
                TrailcamCard::tr("written but not checked: %1"),
                {reason == FileProblem::CardRemoved ? cardBack()
                 : reason == FileProblem::ReadsBackDifferently
                     ? Said(TrailcamCard::tr(
                                "%1, as a failing card does; write it again, or use another card"),
                            {why})
                     : why});
        case Status::Replaced:
            return Said(TrailcamCard::tr("written, but another program has replaced it since"));
    }
    return why;
}

// Writes `text` into every folder: the folders on one card one after the other, the cards at the
// same time, so that many cards take about as long as the slowest of them. A folder that cannot
// be reached is a card of its own. The outcomes are in the order of the folders.
std::vector<SettingsFileOutcome> WriteIntoEveryFolder(
    const SettingsKind& kind, std::string_view text, const std::vector<std::string>& folders,
    const std::vector<std::optional<FolderDevice>>& cards) {
    std::vector<std::vector<std::size_t>> onEachCard;
    std::map<FolderDevice, std::size_t> cardNumbers;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        if (!cards[i]) {
            onEachCard.push_back({i});
            continue;
        }
        const auto [card, isNew] = cardNumbers.try_emplace(*cards[i], onEachCard.size());
        if (isNew) {
            onEachCard.emplace_back();
        }
        onEachCard[card->second].push_back(i);
    }
    std::vector<SettingsFileOutcome> outcomes(folders.size());
    const auto writeCard = [&](const std::vector<std::size_t>& folderNumbers) {
        for (const std::size_t i : folderNumbers) {
            outcomes[i] = kind.write(text, folders[i], cards[i]);
        }
    };
    std::vector<std::thread> writers;
    for (std::size_t card = 1; card < onEachCard.size(); ++card) {
        try {
            writers.emplace_back(writeCard, std::cref(onEachCard[card]));
        } catch (const std::system_error&) {
            writeCard(onEachCard[card]);  // no thread to spare: this card waits its turn
        }
    }
    if (!onEachCard.empty()) {
        writeCard(onEachCard.front());
    }
    for (std::thread& writer : writers) {
        writer.join();
    }
    return outcomes;
}

}  // namespace

int WriteSettingsFiles(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    const SettingsKind& kind = *invocation.kind;
    // The cards are the devices that the folders are on now: a card pulled while the command
    // runs leaves a folder on another device, which is then not written.
    std::vector<std::string> folders;
    std::vector<std::optional<FolderDevice>> cards;
    for (const std::string& folder : invocation.operands) {
        folders.push_back(WithoutTrailingSeparators(folder));
        cards.push_back(ReadFolderDevice(folders.back()));
    }

    std::string text = kind.defaults();
    if (invocation.from) {
        // A card given as --from stands for its file of this kind.
        const Input input = InputsOf(*invocation.from, &kind).front();
        const Parsed<std::string> bytes =
            input.problem ? Parsed<std::string>::Refused(*input.problem) : ReadInput(input.path);
        const Parsed<std::string> from =
            bytes ? SettingsTextOf(*bytes, kind) : Parsed<std::string>::Refused(bytes.Reason());
        if (!from) {
            err << "trailcam-card: " << Shown(input.path) << ": " << from.Reason() << '\n';
            return kExitProblem;
        }
        text = *from;
    }

    std::vector<TextLine> lines = SplitSettingsLines(text);
    std::vector<std::string> problems;
    for (const auto& [key, value] : invocation.sets) {
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const TextLine& l) { return l.key == key; });
        if (line == lines.end()) {
            return RefuseCommandLine(err,
                                     Said(TrailcamCard::tr("%1 has no key '%2'; its keys are %3"),
                                          {kind.BareFileName(), key, KeysOf(lines)}));
        }
        const FormLine& formLine = kind.lines[static_cast<std::size_t>(line - lines.begin())];
        const Parsed<std::string> given = ValueGiven(kind, formLine, value);
        if (!given) {
            problems.push_back(given.Reason());
        } else if (std::optional<std::string> problem = SetProblem(kind, text, *line, *given)) {
            problems.push_back(std::move(*problem));
        }
        line->value = given ? *given : value;
    }
    if (problems.empty()) {
        problems = ProblemsOfTheWhole(kind, invocation, lines, text);
    }
    for (const std::string& problem : problems) {
        err << "trailcam-card: " << Said(TrailcamCard::tr("%1; nothing was written"), {problem})
            << '\n';
    }
    if (!problems.empty()) {
        return kExitProblem;
    }

    const std::vector<SettingsFileOutcome> outcomes =
        WriteIntoEveryFolder(kind, text, folders, cards);
    int exitCode = kExitDone;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const SettingsFileOutcome& outcome = outcomes[i];
        const std::string said = Shown(outcome.path) + ": " + OutcomeWords(outcome, folders[i]);
        if (outcome.Written()) {
            out << said << std::endl;
        } else {
            err << "trailcam-card: " << said << std::endl;
            exitCode = kExitProblem;
        }
    }
    return exitCode;
}
