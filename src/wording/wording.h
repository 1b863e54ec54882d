#pragma once

#include "config/advice.h"
#include "config/config_differences.h"
#include "link/exchange_observer.h"
#include "outcomes/outcome.h"
#include "wording/phrase.h"

#include <optional>
#include <string_view>
#include <vector>

// The one table of the program's words for what happened: each outcome's caption and text,
// for the window (which translates them) and for wl3 (which prints the English).
namespace wl3 {

Wording wordingOf(const Outcome& outcome);

// wl3's: a refusal of values as one message a value, each naming its key; any other outcome
// as the window words it.
std::vector<Wording> commandLineWordings(const Outcome& outcome);

// What a person waiting on the tracker is told of a phase.
Phrase phaseWording(ExchangePhase phase);

// Why the user was refused a serial device and what would let them in: "permission
// denied." and, where the check found a cure, what to do.
Phrase accessWording(const PortAccessCheck& check);

// One piece of advice on a record, with the key of the field it is about and why:
// "primary.digiPath: RELAY is obsolete; ...".
Phrase adviceWording(const Advice& advice);
// The same advice without the key, for a mark beside its field.
Phrase adviceReason(const Advice& advice);

// What the tracker holds of a field that the window shows, with its unit: "0 to 1700
// milliseconds", "at most 199 characters", the rule for a callsign. Nothing for a check box
// or a list, whose choices say it themselves.
std::optional<Phrase> holdableWording(const ProfileField& field);

// What a table (or overlay) character and a symbol character stand for together: "Car",
// "Vehicle with overlay A", or "unassigned" for a pair the symbol set leaves free.
Phrase symbolWording(char table, char symbol);

// "COM1 to COM4", for texts that name every COM port.
Phrase comPortRangeWording();

// Why text names no port, for an option's check.
Phrase portChoiceRefusal(std::string_view given);

// Why path names no configuration file, for an option's check.
Phrase fileNameRefusal(std::string_view given);

// Where in a units file a fault or a tracker is: "units.csv row 2".
Phrase rowPlace(const std::string& file, int row);

// A field that differs between two configurations, as the window names it: its label,
// colon and all ("Callsign:"), a check box's text ("SmartBeaconing Enable" for a group's
// Enable box), or its JSON key where the window shows the two alike.
Phrase fieldNameWording(const FieldDifference& difference);

// Its value in config as the window shows it: a text as it stands, a number with its unit,
// a list's item, "on" or "off".
Phrase fieldValueWording(const TrackerConfig& config, const FieldDifference& difference);

// "same record, 4 stored bytes differ": two images that hold one record.
Phrase sameRecordWording(int storedBytesDiffering);

} // namespace wl3
