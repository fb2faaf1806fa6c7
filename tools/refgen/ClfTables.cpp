#include "ClfTables.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

#include "ClfConstants.h"
#include "Constants.h"
#include "Glass.h"
#include "Solar.h"

namespace refgen {

namespace {

constexpr int kConstructions = 3;
constexpr int kClasses = 4;

// Shortest decimal form, for the header lines that quote the parameters.
std::string Num(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The people's 1/3 as such; the other shares print as they are.
std::string ShareText(double share) {
    return std::abs(share - 1.0 / 3.0) < 1e-12 ? "1/3" : Num(share);
}

std::string ResponseText(const RoomResponse& room) {
    return "v0 " + Num(room.sameHour) + ", pole " + Num(room.pole);
}

const char* const kRoomModel =
    "Room response: y_t = v0 x_t + v1 x_(t-1) + p y_(t-1), v1 = 1 - p - v0 (unit steady gain), "
    "at the periodic state of a repeated design day.";
const char* const kParameterNote =
    "Parameters fitted to published fragments of the handbook tables or assumed, each tagged in "
    "tools/refgen/ClfConstants.h; distances to the fragments in docs/reference-data.md.";
const char* const kRounding = "Values rounded to two decimals, as the handbook printed them.";

void CheckClass(int index, const char* what) {
    if (index < 0 || index >= kClasses) {
        throw std::out_of_range(std::string("no lights ") + what + " class " +
                                std::to_string(index));
    }
}

}  // namespace

RoomResponse RoomOf(RoomConstruction construction) {
    switch (construction) {
        case RoomConstruction::kLight:
            return {kPoleLight, kRadiantSameHour};
        case RoomConstruction::kMedium:
            return {kPoleMedium, kRadiantSameHour};
        case RoomConstruction::kHeavy:
            return {kPoleHeavy, kRadiantSameHour};
    }
    throw std::logic_error("unknown room construction");
}

RoomResponse LightsResponse(int aClass, int bClass) {
    CheckClass(aClass, "'a'");
    CheckClass(bClass, "'b'");
    return {kLightsClassPole[static_cast<size_t>(bClass)], kLightsA[static_cast<size_t>(aClass)]};
}

double ConvectiveShare(InternalGain gain) {
    switch (gain) {
        case InternalGain::kHoodedAppliances:
            return kConvectiveHooded;
        case InternalGain::kUnhoodedAppliances:
            return kConvectiveUnhooded;
        case InternalGain::kPeople:
            return kConvectivePeople;
    }
    throw std::logic_error("unknown internal gain");
}

HourlyProfile DesignDayShgf(int orientation) {
    HourlyProfile shgf{};
    for (int h = 1; h <= kHours; ++h) {
        shgf[h - 1] =
            HourlyShgf(ClearSkyIrradiance(kDesignLatitudeDeg, kDesignMonth, h, orientation));
    }
    return shgf;
}

HourlyProfile GlassClf(const HourlyProfile& shgf, const RoomResponse& room,
                       double convectiveShare) {
    const double peak = *std::max_element(shgf.begin(), shgf.end());
    HourlyProfile clf = CoolingLoad(shgf, room, convectiveShare);
    for (double& value : clf) value /= peak;
    return clf;
}

HourlyProfile ScheduledClf(int hoursOn, const RoomResponse& room, double convectiveShare) {
    if (hoursOn < 0 || hoursOn > kHours) {
        throw std::out_of_range("hours on a day: " + std::to_string(hoursOn));
    }
    HourlyProfile gain{};
    for (int k = 1; k <= hoursOn; ++k) gain[k % kHours] = 1.0;
    return CoolingLoad(gain, room, convectiveShare);
}

double RoundClf(double value) { return std::round(value * kClfPerUnit) / kClfPerUnit; }

int GlassFileRow(int orientation, RoomConstruction construction) {
    return 1 + kConstructions * orientation + static_cast<int>(construction);
}

int LightsFileRow(int aClass, int bClass) { return 1 + kClasses * aClass + bClass; }

Table GlassClfTable(bool interiorShading) {
    const RoomConstruction constructions[] = {RoomConstruction::kLight, RoomConstruction::kMedium,
                                              RoomConstruction::kHeavy};
    const int rows = interiorShading ? kOrientations : kOrientations * kConstructions;
    Table table(rows + 1, kHours + 1, Table::Format::kExact);
    table.SetLabels(kDesignLatitudeDeg);
    for (int o = 0; o < kOrientations; ++o) {
        const HourlyProfile shgf = DesignDayShgf(o);
        if (interiorShading) {
            const HourlyProfile clf =
                GlassClf(shgf, RoomOf(RoomConstruction::kMedium), kConvectiveGlassShaded);
            for (int h = 1; h <= kHours; ++h) table.At(o + 1, h) = RoundClf(clf[h - 1]);
            continue;
        }
        for (RoomConstruction c : constructions) {
            const HourlyProfile clf = GlassClf(shgf, RoomOf(c), kConvectiveGlassBare);
            const int row = GlassFileRow(o, c);
            for (int h = 1; h <= kHours; ++h) table.At(row, h) = RoundClf(clf[h - 1]);
        }
    }
    if (interiorShading) {
        table.AddComment(
            "Cooling load factors of glass with interior shading, any room construction, 40 N, "
            "July 21.");
        table.AddComment(
            "Rows 1..9: N, NE, E, SE, S, SW, W, NW, horizontal; columns 1..24: solar hours.");
    } else {
        table.AddComment("Cooling load factors of glass without interior shading, 40 N, July 21.");
        table.AddComment(
            "Rows 1 + 3k + c: orientation k = 0..8 (N, NE, E, SE, S, SW, W, NW, horizontal), "
            "room construction c = 0 light, 1 medium, 2 heavy; columns 1..24: solar hours.");
    }
    table.AddComment("Cell [0][0]: latitude of the solar basis, 40.");
    table.AddComment(
        "Method: CLF(h) = cooling load at solar hour h / the largest hourly gain of the day; the "
        "gain is the hourly solar heat gain of the reference glass (clear sky and glass as in the "
        "SHGF tables qlex41..qlex73).");
    table.AddComment(kRoomModel);
    if (interiorShading) {
        table.AddComment("Medium room (" + ResponseText(RoomOf(RoomConstruction::kMedium)) +
                         "); convective share of the gain " + Num(kConvectiveGlassShaded) +
                         " (the shade passes much of the absorbed sun to the air).");
    } else {
        table.AddComment("Light room " + ResponseText(RoomOf(RoomConstruction::kLight)) +
                         "; medium " + ResponseText(RoomOf(RoomConstruction::kMedium)) +
                         "; heavy " + ResponseText(RoomOf(RoomConstruction::kHeavy)) +
                         "; the gain is all radiant.");
    }
    table.AddComment(kParameterNote);
    table.AddComment(kRounding);
    return table;
}

Table LightsClfTable(int hoursOn) {
    Table table(kClasses * kClasses + 1, kHours, Table::Format::kExact);
    table.SetLabels(hoursOn);
    for (int a = 0; a < kClasses; ++a) {
        for (int b = 0; b < kClasses; ++b) {
            const HourlyProfile clf = ScheduledClf(hoursOn, LightsResponse(a, b), 0.0);
            const int row = LightsFileRow(a, b);
            for (int k = 0; k < kHours; ++k) table.At(row, k) = RoundClf(clf[k]);
        }
    }
    const std::string n = std::to_string(hoursOn);
    table.AddComment("Cooling load factors of lights on " + n + " hours a day.");
    table.AddComment(
        "Rows 1 + 4a + b: 'a' class a = 0..3 (0.45, 0.55, 0.65, 0.75), 'b' class b = 0..3 "
        "(A..D). Columns 0..23: hours after switch-on, all of them data (no label column).");
    table.AddComment("Row 0: labels, cell [0][0] the hours on a day (" + n +
                     "), cells [0][1..23] the column numbers.");
    table.AddComment("The lights' heat acts in hours 1.." + n +
                     " after switch-on; hour 0, the switch-on hour, carries only heat stored "
                     "from the day before.");
    table.AddComment(
        "Method: CLF = cooling load / the lights' heat gain, all of it through the room "
        "response with v0 = 'a' and the pole of the 'b' class (A " +
        Num(kLightsClassPole[0]) + ", B " + Num(kLightsClassPole[1]) + ", C " +
        Num(kLightsClassPole[2]) + ", D " + Num(kLightsClassPole[3]) +
        "): CLF = a + (1 - a)(1 - p^(k-1)) in hour k of a first day, geometric decay after "
        "switch-off, made periodic.");
    table.AddComment(kRoomModel);
    table.AddComment(kParameterNote);
    table.AddComment(kRounding);
    return table;
}

Table InternalGainClfTable(InternalGain gain) {
    const double share = ConvectiveShare(gain);
    const RoomResponse room = RoomOf(RoomConstruction::kMedium);
    Table table(kOperatingRows + 1, kHours + 1, Table::Format::kExact);
    table.SetLabels(RoundClf(share));
    for (int r = 1; r <= kOperatingRows; ++r) {
        const HourlyProfile clf = ScheduledClf(r * kOperatingHoursStep, room, share);
        for (int j = 1; j <= kHours; ++j) table.At(r, j) = RoundClf(clf[j % kHours]);
    }
    const char* what = "";
    const char* after = "switch-on";
    const char* basis = "";
    switch (gain) {
        case InternalGain::kHoodedAppliances:
            what = "hooded appliances";
            basis = "the hood exhausts the convective part, the radiant part stays";
            break;
        case InternalGain::kUnhoodedAppliances:
            what = "unhooded appliances, power equipment and electronic equipment";
            basis = "an assumption";
            break;
        case InternalGain::kPeople:
            what = "people (sensible heat)";
            after = "entry";
            basis = "an assumption";
            break;
    }
    table.AddComment(std::string("Cooling load factors of ") + what + ".");
    table.AddComment(std::string("Rows 1..9: 2, 4, ..., 18 hours of operation or occupancy; ") +
                     "columns 1..24: hours after " + after + " (the gain acts in hours 1..N).");
    table.AddComment("Cell [0][0]: the convective share of the gain, " + Num(RoundClf(share)) +
                     ".");
    table.AddComment(
        "Method: CLF = cooling load / gain; the convective share is load in the same hour, the "
        "rest goes through the room response of a medium room (" +
        ResponseText(room) + "); convective share " + ShareText(share) + " (" + basis +
        "); the schedule repeats every day.");
    table.AddComment(kRoomModel);
    table.AddComment(kParameterNote);
    table.AddComment(kRounding);
    return table;
}

}  // namespace refgen
