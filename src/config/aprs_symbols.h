#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The APRS symbol set: what the Symbol and the Table / Overlay characters stand for. A
// receiving station draws the symbol's picture from the table its table character names; a
// digit or a capital letter in the table's place chooses the alternate table and is drawn
// over the symbols that take one.
namespace wl3 {

inline constexpr char kPrimaryTable = '/';
inline constexpr char kAlternateTable = '\\';
// The symbols of each table are the printable ASCII characters.
inline constexpr char kFirstSymbol = '!';
inline constexpr char kLastSymbol = '~';
inline constexpr std::size_t kSymbolsPerTable = kLastSymbol - kFirstSymbol + 1;

// The kinds of picture, so that a picture can be drawn for every symbol.
enum class SymbolKind {
    Vehicle,
    Aircraft,
    Boat,
    Person,
    Building,
    Station, // digipeaters, gateways, nodes and other radio stations
    Weather,
    Emergency,
    Place, // points on a map: circles, areas, waypoints
    Software,
};

struct AprsSymbol {
    // English, translated where the window shows it; empty for a place the set leaves
    // unassigned.
    std::string_view name;
    SymbolKind kind = SymbolKind::Place;
    bool takesOverlay = false; // in the alternate table only
};

using SymbolTable = std::array<AprsSymbol, kSymbolsPerTable>;

// The primary table's symbols, or the alternate table's, by symbol character from '!'.
const SymbolTable& primarySymbols();
const SymbolTable& alternateSymbols();

// A digit or a capital letter: an overlay in the table's place.
bool isOverlayCharacter(char table);

// What a table character and a symbol character stand for together.
struct SymbolMeaning {
    const AprsSymbol* symbol = nullptr; // nullptr where the pair is unassigned
    char overlay = '\0';                // the overlay drawn over it, if any
};

SymbolMeaning symbolMeaning(char table, char symbol);

} // namespace wl3
