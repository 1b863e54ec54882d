#include "config/profile_fields.h"
#include "wording/wording.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace wl3 {
namespace {

// Every %n of a template has its argument and every argument its %n: a phrase that drops
// one shows a bare "%2", or loses what it should say, in every language at once.
void expectFilled(const Phrase& phrase) {
    if (phrase.context == nullptr) {
        return;
    }
    std::set<std::size_t> used;
    for (std::size_t i = 0; i + 1 < phrase.text.size(); ++i) {
        if (phrase.text[i] == '%' && phrase.text[i + 1] >= '1' && phrase.text[i + 1] <= '9') {
            used.insert(static_cast<std::size_t>(phrase.text[i + 1] - '0'));
        }
    }
    EXPECT_EQ(used.size(), phrase.args.size()) << phrase.text;
    EXPECT_TRUE(used.empty() || *used.rbegin() == phrase.args.size()) << phrase.text;
    for (const Phrase& arg : phrase.args) {
        expectFilled(arg);
    }
}

void expectWorded(const Outcome& outcome) {
    SCOPED_TRACE("outcome " + std::to_string(outcome.index()));
    for (const Wording& wording : commandLineWordings(outcome)) {
        ASSERT_FALSE(wording.lines.empty());
        // Words of the program's own, not a reply or a path alone.
        EXPECT_TRUE(wording.caption || wording.lines.front().context != nullptr);
        if (wording.caption) {
            expectFilled(*wording.caption);
        }
        for (const Phrase& line : wording.lines) {
            expectFilled(line);
        }
    }
}

template <typename Kind> void forEachKind(Kind last, const auto& check) {
    for (int kind = 0; kind <= static_cast<int>(last); ++kind) {
        check(static_cast<Kind>(kind));
    }
}

TEST(Wording, EveryOutcomeAndEveryKindOfItHasItsWords) {
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (expectWorded(Outcome(std::in_place_index<I>)), ...);
    }
    (std::make_index_sequence<std::variant_size_v<Outcome>>());

    forEachKind(PortCall::Close, [](PortCall call) {
        forEachKind(PortFailure::System, [call](PortFailure failure) {
            forEachKind(PortAccess::Denied, [&](PortAccess access) {
                expectWorded(
                    PortCallFailed{call, {failure, "/dev/ttyUSB0", 5}, {access, "dialout"}});
            });
        });
    });
    forEachKind(FileStep::Size, [](FileStep step) {
        forEachKind(FileProblem::NoMemory, [step](FileProblem problem) {
            expectWorded(FileFailed{FileAction::Save, step, "a.wl3", {.problem = problem}});
        });
    });
    forEachKind(JsonProblem::Kind::BeyondLatin1, [](JsonProblem::Kind kind) {
        expectWorded(JsonRefused{"a.json", {kind, "primary.callsign", 1, "syntax error"}});
    });
    forEachKind(UnitsRowFault::Kind::Semicolons, [](UnitsRowFault::Kind kind) {
        expectWorded(UnitsRowFault{.kind = kind, .file = "units.csv", .row = 2, .key = "port"});
    });
    forEachKind(Allowed::Kind::Latin1, [](Allowed::Kind kind) {
        for (const ProfileField& field : kProfileFields) {
            expectWorded(
                ValuesRefused{RefusedAction::Write, {{&field, kSecondary, "\"x\"", {kind}}}});
        }
    });
    forEachKind(Interrupted::Stage::ImageSent,
                [](Interrupted::Stage stage) { expectWorded(Interrupted{stage}); });
}

// Every printable pair has words, never a failure; within a table no two symbols share a
// name, which a row copied and not changed would.
TEST(SymbolWording, EveryPrintablePairIsNamedOrUnassigned) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {"/>", "Car"},
        {"/-", "House"},
        {"\\>", "Vehicle"},
        {"A>", "Vehicle with overlay A"},
        {"7\\", "GPS with overlay 7"},
        {"A$", "unassigned"}, // a bank takes no overlay
        {"/z", "unassigned"},
        {"a>", "unassigned"}, // no table
    };
    for (const auto& [pair, name] : rows) {
        EXPECT_EQ(english(symbolWording(pair[0], pair[1])), name) << pair;
    }
    for (char table = '!'; table <= '~'; ++table) {
        std::set<std::string> names;
        for (char symbol = '!'; symbol <= '~'; ++symbol) {
            const Phrase phrase = symbolWording(table, symbol);
            expectFilled(phrase);
            const std::string name = english(phrase);
            EXPECT_TRUE(name == "unassigned" || names.insert(name).second)
                << table << symbol << " repeats " << name;
        }
    }
}

} // namespace
} // namespace wl3
