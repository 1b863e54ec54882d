#include "config/aprs_symbols.h"

#include "config/translatable.h"

namespace wl3 {

namespace {

using enum SymbolKind;

constexpr AprsSymbol kUnassigned{};

// clang-format off
// By symbol character, from '!' to '~'.
constexpr SymbolTable kPrimary{{
    {WL3_TR("Symbol", "Police station"), Building},          // !
    kUnassigned,                                              // "
    {WL3_TR("Symbol", "Digipeater"), Station},               // #
    {WL3_TR("Symbol", "Phone"), Station},                    // $
    {WL3_TR("Symbol", "DX cluster"), Station},               // %
    {WL3_TR("Symbol", "HF gateway"), Station},               // &
    {WL3_TR("Symbol", "Small aircraft"), Aircraft},          // '
    {WL3_TR("Symbol", "Mobile satellite station"), Station}, // (
    {WL3_TR("Symbol", "Wheelchair"), Person},                // )
    {WL3_TR("Symbol", "Snowmobile"), Vehicle},               // *
    {WL3_TR("Symbol", "Red Cross"), Emergency},              // +
    {WL3_TR("Symbol", "Boy Scouts"), Person},                // ,
    {WL3_TR("Symbol", "House"), Building},                   // -
    {WL3_TR("Symbol", "X"), Place},                          // .
    {WL3_TR("Symbol", "Red dot"), Place},                    // /
    {WL3_TR("Symbol", "Circle 0"), Place},                   // 0
    {WL3_TR("Symbol", "Circle 1"), Place},                   // 1
    {WL3_TR("Symbol", "Circle 2"), Place},                   // 2
    {WL3_TR("Symbol", "Circle 3"), Place},                   // 3
    {WL3_TR("Symbol", "Circle 4"), Place},                   // 4
    {WL3_TR("Symbol", "Circle 5"), Place},                   // 5
    {WL3_TR("Symbol", "Circle 6"), Place},                   // 6
    {WL3_TR("Symbol", "Circle 7"), Place},                   // 7
    {WL3_TR("Symbol", "Circle 8"), Place},                   // 8
    {WL3_TR("Symbol", "Circle 9"), Place},                   // 9
    {WL3_TR("Symbol", "Fire"), Emergency},                   // :
    {WL3_TR("Symbol", "Campground"), Place},                 // ;
    {WL3_TR("Symbol", "Motorcycle"), Vehicle},               // <
    {WL3_TR("Symbol", "Railway engine"), Vehicle},           // =
    {WL3_TR("Symbol", "Car"), Vehicle},                      // >
    {WL3_TR("Symbol", "File server"), Software},             // ?
    {WL3_TR("Symbol", "Hurricane forecast"), Weather},       // @
    {WL3_TR("Symbol", "Aid station"), Emergency},            // A
    {WL3_TR("Symbol", "BBS"), Station},                      // B
    {WL3_TR("Symbol", "Canoe"), Boat},                       // C
    kUnassigned,                                              // D
    {WL3_TR("Symbol", "Eyeball (event)"), Place},            // E
    {WL3_TR("Symbol", "Farm vehicle"), Vehicle},             // F
    {WL3_TR("Symbol", "Grid square"), Place},                // G
    {WL3_TR("Symbol", "Hotel"), Building},                   // H
    {WL3_TR("Symbol", "TCP/IP"), Station},                   // I
    kUnassigned,                                              // J
    {WL3_TR("Symbol", "School"), Building},                  // K
    {WL3_TR("Symbol", "PC user"), Software},                 // L
    {WL3_TR("Symbol", "MacAPRS"), Software},                 // M
    {WL3_TR("Symbol", "NTS station"), Station},              // N
    {WL3_TR("Symbol", "Balloon"), Aircraft},                 // O
    {WL3_TR("Symbol", "Police"), Emergency},                 // P
    kUnassigned,                                              // Q
    {WL3_TR("Symbol", "Recreational vehicle"), Vehicle},     // R
    {WL3_TR("Symbol", "Space shuttle"), Aircraft},           // S
    {WL3_TR("Symbol", "SSTV"), Station},                     // T
    {WL3_TR("Symbol", "Bus"), Vehicle},                      // U
    {WL3_TR("Symbol", "ATV"), Station},                      // V
    {WL3_TR("Symbol", "Weather service site"), Weather},     // W
    {WL3_TR("Symbol", "Helicopter"), Aircraft},              // X
    {WL3_TR("Symbol", "Sailboat"), Boat},                    // Y
    {WL3_TR("Symbol", "WinAPRS"), Software},                 // Z
    {WL3_TR("Symbol", "Person"), Person},                    // [
    {WL3_TR("Symbol", "Direction finding"), Place},          // backslash
    {WL3_TR("Symbol", "Post office"), Building},             // ]
    {WL3_TR("Symbol", "Large aircraft"), Aircraft},          // ^
    {WL3_TR("Symbol", "Weather station"), Weather},          // _
    {WL3_TR("Symbol", "Dish antenna"), Station},             // `
    {WL3_TR("Symbol", "Ambulance"), Emergency},              // a
    {WL3_TR("Symbol", "Bicycle"), Vehicle},                  // b
    {WL3_TR("Symbol", "Incident command post"), Emergency},  // c
    {WL3_TR("Symbol", "Fire station"), Emergency},           // d
    {WL3_TR("Symbol", "Horse"), Person},                     // e
    {WL3_TR("Symbol", "Fire engine"), Emergency},            // f
    {WL3_TR("Symbol", "Glider"), Aircraft},                  // g
    {WL3_TR("Symbol", "Hospital"), Emergency},               // h
    {WL3_TR("Symbol", "Island (IOTA)"), Place},              // i
    {WL3_TR("Symbol", "Jeep"), Vehicle},                     // j
    {WL3_TR("Symbol", "Truck"), Vehicle},                    // k
    {WL3_TR("Symbol", "Laptop"), Software},                  // l
    {WL3_TR("Symbol", "MIC-E repeater"), Station},           // m
    {WL3_TR("Symbol", "Node"), Station},                     // n
    {WL3_TR("Symbol", "Emergency operations centre"), Emergency}, // o
    {WL3_TR("Symbol", "Dog"), Person},                       // p
    {WL3_TR("Symbol", "Grid square above 128 m"), Place},    // q
    {WL3_TR("Symbol", "Repeater"), Station},                 // r
    {WL3_TR("Symbol", "Power boat"), Boat},                  // s
    {WL3_TR("Symbol", "Truck stop"), Building},              // t
    {WL3_TR("Symbol", "Semi-trailer truck"), Vehicle},       // u
    {WL3_TR("Symbol", "Van"), Vehicle},                      // v
    {WL3_TR("Symbol", "Water station"), Building},           // w
    {WL3_TR("Symbol", "xAPRS"), Software},                   // x
    {WL3_TR("Symbol", "Yagi antenna"), Station},             // y
    kUnassigned,                                              // z
    kUnassigned,                                              // {
    kUnassigned,                                              // |
    kUnassigned,                                              // }
    kUnassigned,                                              // ~
}};

constexpr SymbolTable kAlternate{{
    {WL3_TR("Symbol", "Emergency"), Emergency, true},                 // !
    kUnassigned,                                                       // "
    {WL3_TR("Symbol", "Digipeater, green star"), Station, true},      // #
    {WL3_TR("Symbol", "Bank or cash machine"), Building},             // $
    {WL3_TR("Symbol", "Power plant"), Building, true},                // %
    {WL3_TR("Symbol", "Gateway"), Station, true},                     // &
    {WL3_TR("Symbol", "Crash site"), Emergency},                      // '
    {WL3_TR("Symbol", "Cloudy"), Weather, true},                      // (
    {WL3_TR("Symbol", "Firenet"), Emergency},                         // )
    kUnassigned,                                                       // *
    {WL3_TR("Symbol", "Church"), Building},                           // +
    {WL3_TR("Symbol", "Girl Scouts"), Person},                        // ,
    {WL3_TR("Symbol", "House, HF"), Building, true},                  // -
    {WL3_TR("Symbol", "Ambiguous position"), Place},                  // .
    {WL3_TR("Symbol", "Waypoint destination"), Place},                // /
    {WL3_TR("Symbol", "Circle (IRLP, EchoLink, WIRES)"), Station, true}, // 0
    kUnassigned,                                                       // 1
    kUnassigned,                                                       // 2
    kUnassigned,                                                       // 3
    kUnassigned,                                                       // 4
    kUnassigned,                                                       // 5
    kUnassigned,                                                       // 6
    kUnassigned,                                                       // 7
    {WL3_TR("Symbol", "Network node (802.11)"), Station},             // 8
    {WL3_TR("Symbol", "Petrol station"), Building},                   // 9
    kUnassigned,                                                       // :
    {WL3_TR("Symbol", "Park or picnic area"), Place},                 // ;
    {WL3_TR("Symbol", "Weather advisory"), Weather},                  // <
    kUnassigned,                                                       // =
    {WL3_TR("Symbol", "Vehicle"), Vehicle, true},                     // >
    {WL3_TR("Symbol", "Information kiosk"), Building},                // ?
    {WL3_TR("Symbol", "Hurricane or tropical storm"), Weather},       // @
    {WL3_TR("Symbol", "Box (DTMF, RFID)"), Station, true},            // A
    kUnassigned,                                                       // B
    {WL3_TR("Symbol", "Coast Guard"), Emergency},                     // C
    {WL3_TR("Symbol", "Depot"), Building, true},                      // D
    {WL3_TR("Symbol", "Smoke"), Weather, true},                       // E
    kUnassigned,                                                       // F
    kUnassigned,                                                       // G
    {WL3_TR("Symbol", "Haze"), Weather, true},                        // H
    {WL3_TR("Symbol", "Rain shower"), Weather},                       // I
    kUnassigned,                                                       // J
    {WL3_TR("Symbol", "Kenwood radio"), Station},                     // K
    {WL3_TR("Symbol", "Lighthouse"), Building},                       // L
    {WL3_TR("Symbol", "MARS"), Station, true},                        // M
    {WL3_TR("Symbol", "Navigation buoy"), Boat},                      // N
    {WL3_TR("Symbol", "Rocket or balloon"), Aircraft, true},          // O
    {WL3_TR("Symbol", "Parking"), Place},                             // P
    {WL3_TR("Symbol", "Earthquake"), Emergency},                      // Q
    {WL3_TR("Symbol", "Restaurant"), Building},                       // R
    {WL3_TR("Symbol", "Satellite"), Aircraft},                        // S
    {WL3_TR("Symbol", "Thunderstorm"), Weather},                      // T
    {WL3_TR("Symbol", "Sunny"), Weather},                             // U
    {WL3_TR("Symbol", "VORTAC navigation aid"), Aircraft},            // V
    {WL3_TR("Symbol", "Weather service site"), Weather, true}, // W
    {WL3_TR("Symbol", "Pharmacy"), Building},                         // X
    {WL3_TR("Symbol", "Radio or device"), Station, true},             // Y
    kUnassigned,                                                       // Z
    {WL3_TR("Symbol", "Wall cloud"), Weather, true},                  // [
    {WL3_TR("Symbol", "GPS"), Station, true},                         // backslash
    kUnassigned,                                                       // ]
    {WL3_TR("Symbol", "Aircraft"), Aircraft, true},                   // ^
    {WL3_TR("Symbol", "Weather site"), Weather, true},                // _
    {WL3_TR("Symbol", "Rain"), Weather, true},                        // `
    {WL3_TR("Symbol", "ARRL, ARES, Winlink"), Station, true},         // a
    kUnassigned,                                                       // b
    {WL3_TR("Symbol", "Civil defence (RACES)"), Emergency, true},     // c
    {WL3_TR("Symbol", "DX spot"), Station},                           // d
    {WL3_TR("Symbol", "Sleet"), Weather},                             // e
    {WL3_TR("Symbol", "Funnel cloud"), Weather},                      // f
    {WL3_TR("Symbol", "Gale flags"), Weather},                        // g
    {WL3_TR("Symbol", "Store"), Building, true},                      // h
    {WL3_TR("Symbol", "Point of interest"), Place, true},             // i
    {WL3_TR("Symbol", "Work zone"), Place},                           // j
    {WL3_TR("Symbol", "Special vehicle (SUV, ATV)"), Vehicle, true},  // k
    {WL3_TR("Symbol", "Area"), Place, true},                          // l
    {WL3_TR("Symbol", "Value sign"), Place, true},                    // m
    {WL3_TR("Symbol", "Triangle"), Place, true},                      // n
    {WL3_TR("Symbol", "Small circle"), Place},                        // o
    kUnassigned,                                                       // p
    kUnassigned,                                                       // q
    {WL3_TR("Symbol", "Restrooms"), Building},                        // r
    {WL3_TR("Symbol", "Ship or boat"), Boat, true},                   // s
    {WL3_TR("Symbol", "Tornado"), Weather},                           // t
    {WL3_TR("Symbol", "Truck"), Vehicle, true},         // u
    {WL3_TR("Symbol", "Van"), Vehicle, true},           // v
    {WL3_TR("Symbol", "Flooding"), Weather},                          // w
    {WL3_TR("Symbol", "Wreck or obstruction"), Emergency},            // x
    {WL3_TR("Symbol", "Skywarn"), Weather},                           // y
    {WL3_TR("Symbol", "Shelter"), Building, true},                    // z
    kUnassigned,                                                       // {
    kUnassigned,                                                       // |
    kUnassigned,                                                       // }
    kUnassigned,                                                       // ~
}};
// clang-format on

const AprsSymbol* assigned(const SymbolTable& table, char symbol) {
    if (symbol < kFirstSymbol || symbol > kLastSymbol) {
        return nullptr;
    }
    const AprsSymbol& found = table[static_cast<std::size_t>(symbol - kFirstSymbol)];
    return found.name.empty() ? nullptr : &found;
}

} // namespace

const SymbolTable& primarySymbols() {
    return kPrimary;
}

const SymbolTable& alternateSymbols() {
    return kAlternate;
}

bool isOverlayCharacter(char table) {
    return (table >= '0' && table <= '9') || (table >= 'A' && table <= 'Z');
}

SymbolMeaning symbolMeaning(char table, char symbol) {
    if (table == kPrimaryTable) {
        return {assigned(kPrimary, symbol)};
    }
    if (table == kAlternateTable) {
        return {assigned(kAlternate, symbol)};
    }
    const AprsSymbol* overlaid = isOverlayCharacter(table) ? assigned(kAlternate, symbol) : nullptr;
    if (overlaid == nullptr || !overlaid->takesOverlay) {
        return {};
    }
    return {overlaid, table};
}

} // namespace wl3
