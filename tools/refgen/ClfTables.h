#pragma once

// Cooling load factor (CLF) tables: the share of a heat gain that is cooling load in each hour
// of the day, for glass (qlex01, qlex02), lights (qlex03..qlex07), hooded appliances (qlex35),
// unhooded appliances and equipment (qlex36) and people (qlex37).

#include "RoomResponse.h"
#include "SolAir.h"
#include "Table.h"

namespace refgen {

// Room constructions of qlex01, in file order.
enum class RoomConstruction { kLight, kMedium, kHeavy };

// The gains of qlex35..qlex37.
enum class InternalGain { kHoodedAppliances, kUnhoodedAppliances, kPeople };

RoomResponse RoomOf(RoomConstruction construction);
// aClass and bClass 0..3 (0.45..0.75, A..D).
RoomResponse LightsResponse(int aClass, int bClass);
double ConvectiveShare(InternalGain gain);

// Hourly SHGF of the reference glass at 40 N on July 21, solar hours 1..24 (index 0..23),
// Btu/(h ft2); orientation 0..7 N..NW, kHorizontal.
HourlyProfile DesignDayShgf(int orientation);

// CLF of glass at solar hours 1..24 (index 0..23): the cooling load over the day's largest
// gain.
HourlyProfile GlassClf(const HourlyProfile& shgf, const RoomResponse& room, double convectiveShare);

// CLF of a gain on for hoursOn hours a day, every day; index k = hours after switch-on, 0..23
// (k = 24 is k = 0 of the next day). The gain acts in hours k = 1..hoursOn.
HourlyProfile ScheduledClf(int hoursOn, const RoomResponse& room, double convectiveShare);

// Two decimals, half away from zero.
double RoundClf(double value);

// File rows: qlex01 1 + 3 orientation + construction; qlex03..qlex07 1 + 4 aClass + bClass.
int GlassFileRow(int orientation, RoomConstruction construction);
int LightsFileRow(int aClass, int bClass);

Table GlassClfTable(bool interiorShading);  // qlex02 with, qlex01 without
Table LightsClfTable(int hoursOn);          // 8, 10, 12, 14, 16: qlex03..qlex07
Table InternalGainClfTable(InternalGain gain);

}  // namespace refgen
