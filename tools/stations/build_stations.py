#!/usr/bin/env python3
"""Build the weather-station tables of lumora (climate records) and tessil (station tree).

Run by hand from the repository root:

    python3 tools/stations/build_stations.py SOURCE_DIR

SOURCE_DIR holds ashrae2013_stations_IP.csv (ASHRAE 2013 yearly design conditions in F/ft) and
stations_2001_IP.csv (the 1997/2001 station list). The script writes data/stations/stations.csv,
then reads that file back to write the C++ initializers, so the .inc files always follow the
committed data:

    src/lumora/CityVarsData.inc
    src/tessil/TreeCountries.inc, TreeRegions.inc, TreeStations.inc

    python3 tools/stations/build_stations.py --inc-only

rewrites only the .inc files from data/stations/stations.csv. Standard library only; the
output is byte-identical for the same input.
"""

import csv
import io
import math
import os
import re
import sys
import unicodedata
from decimal import ROUND_HALF_UP, Decimal

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CSV_OUT = os.path.join(REPO, "data", "stations", "stations.csv")
CITY_INC = os.path.join(REPO, "src", "lumora", "CityVarsData.inc")
COUNTRIES_INC = os.path.join(REPO, "src", "tessil", "TreeCountries.inc")
REGIONS_INC = os.path.join(REPO, "src", "tessil", "TreeRegions.inc")
STATIONS_INC = os.path.join(REPO, "src", "tessil", "TreeStations.inc")

N_INDICES = 1989  # station indices run 1..1989; the C++ table has one more row for index 0
NAME_MAX = 32

US = "United States"
CA = "Canada"

# Station count of every country of the tree (US and Canada are counted by region below).
COUNTRY_COUNTS = [
    ("Afghanistan", 1), ("Algeria", 7), ("Argentina", 17), ("Armenia", 1),
    ("Ascension Island", 1), ("Australia", 13), ("Austria", 10), ("Azores", 1), ("Bahamas", 1),
    ("Bahrain", 1), ("Bangladesh", 1), ("Barbados", 1), ("Belarus", 6),
    ("Belgium / Luxembourg", 8), ("Belize", 1), ("Benin", 2), ("Bermuda", 2), ("Bolivia", 2),
    ("Bosnia-Herzegovina", 1), ("Brazil", 21), ("Brunei", 1), ("Bulgaria", 8), ("Burma", 2),
    ("Cambodia", 1), ("Canada", 173), ("Canary Islands", 2), ("Cape Verde", 1), ("Chile", 10),
    ("China", 73), ("Colombia", 4), ("Congo", 1), ("Cook Islands", 1), ("Croatia", 3),
    ("Cuba", 2), ("Cyprus", 3), ("Czech Republic", 7), ("Denmark", 7),
    ("Dominican Republic", 1), ("Ecuador", 2), ("Egypt", 3), ("El Salvador", 1), ("Estonia", 2),
    ("Ethiopia", 2), ("Faeroe Islands", 1), ("Fiji", 2), ("Finland", 10), ("France", 18),
    ("French Guiana", 1), ("French Polynesia", 2), ("Georgia", 4), ("Germany", 33),
    ("Ghana", 1), ("Gibraltar", 2), ("Greece", 9), ("Greenland", 4), ("Guam", 1),
    ("Guatemala", 1), ("Guyana", 1), ("Haiti", 1), ("Honduras", 1), ("Hong Kong", 1),
    ("Hungary", 6), ("Iceland", 4), ("India", 15), ("Indian Ocean Islands", 1),
    ("Indonesia", 6), ("Iran", 3), ("Iraq", 2), ("Ireland", 12), ("Irian Barat", 1),
    ("Israel", 4), ("Italy", 16), ("Ivory Coast", 1), ("Jamaica", 3), ("Japan", 36),
    ("Jordan", 1), ("Kazakhstan", 10), ("Kenya", 5), ("Korea, North", 9), ("Korea, South", 9),
    ("Kuwait", 1), ("Kyrgyzstan", 2), ("Latvia", 2), ("Lebanon", 1), ("Liberia", 1),
    ("Libya", 2), ("Liechtenstein", 1), ("Lithuania", 3), ("Macedonia", 1), ("Madagascar", 1),
    ("Madeira Islands", 1), ("Malaysia", 9), ("Mali", 1), ("Malta", 1),
    ("Marshall Islands", 1), ("Martinique", 1), ("Mauritania", 2), ("Mexico", 8),
    ("Micronesia", 1), ("Midway Island", 1), ("Moldova", 1), ("Mongolia", 2), ("Morocco", 8),
    ("Nepal", 1), ("Netherlands", 8), ("Netherlands Antilles", 1), ("New Caledonia", 1),
    ("New Zealand", 4), ("Nicaragua", 1), ("Niger", 2), ("Nigeria", 1), ("Norway", 10),
    ("Oman", 4), ("Pakistan", 3), ("Panama", 2), ("Papua New Guinea", 1), ("Paraguay", 1),
    ("Peru", 6), ("Philippines", 6), ("Poland", 16), ("Portugal", 9), ("Puerto Rico", 2),
    ("Qatar", 1), ("Rumania", 8), ("Russia", 85), ("Samoa", 1), ("Saudi Arabia", 21),
    ("Senegal", 4), ("Singapore", 1), ("Slovakia", 5), ("Slovenia", 1), ("Somalia", 1),
    ("South Africa", 7), ("South Yemen", 1), ("Spain", 12), ("Sri Lanka", 1), ("Sudan", 1),
    ("Surinam", 1), ("Sweden", 17), ("Switzerland", 10), ("Syria", 1), ("Taiwan", 7),
    ("Tajikistan", 2), ("Tanzania", 1), ("Thailand", 8), ("Trinidad", 1), ("Tunisia", 6),
    ("Turkey", 8), ("Turkmenistan", 2), ("Ukraine", 21), ("United Arab Emirates", 4),
    ("United Kingdom & Northern Ireland", 33), ("United States", 918), ("Uruguay", 6),
    ("Uzbekistan", 2), ("Vanuatu", 1), ("Venezuela", 2), ("Vietnam", 3), ("Wake Island", 1),
    ("Wallis & Futuna Islands", 1), ("Yugoslavia", 3), ("Zaire", 2), ("Zimbabwe", 1),
]

# code in the sources -> (name in the tree, station count)
US_STATES = {
    "AL": ("Alabama", 16), "AK": ("Alaska", 35), "AZ": ("Arizona", 13),
    "AR": ("Arkansas", 10), "CA": ("California", 74), "CO": ("Colorado", 16),
    "CT": ("Connecticut", 8), "DE": ("Delaware", 2), "DC": ("District of Columbia", 2),
    "FL": ("Florida", 33), "GA": ("Georgia", 23), "HI": ("Hawaii", 8), "ID": ("Idaho", 10),
    "IL": ("Illinois", 31), "IN": ("Indiana", 24), "IA": ("Iowa", 18), "KS": ("Kansas", 19),
    "KY": ("Kentucky", 13), "LA": ("Louisiana", 14), "ME": ("Maine", 9),
    "MD": ("Maryland", 8), "MA": ("Massachusetts", 14), "MI": ("Michigan", 29),
    "MN": ("Minnesota", 18), "MS": ("Mississippi", 13), "MO": ("Missouri", 20),
    "MT": ("Montana", 16), "NE": ("Nebraska", 18), "NV": ("Nevada", 11),
    "NH": ("New Hampshire", 9), "NJ": ("New Jersey", 11), "NM": ("New Mexico", 19),
    "NY": ("New York", 37), "NC": ("North Carolina", 19), "ND": ("North Dakota", 9),
    "OH": ("Ohio", 32), "OK": ("Oklahoma", 18), "OR": ("Oregon", 20),
    "PA": ("Pennsylvania", 27), "RI": ("Rhode Island", 2), "SC": ("South Carolina", 14),
    "SD": ("South Dakota", 10), "TN": ("Tennessee", 14), "TX": ("Texas", 60),
    "UT": ("Utah", 10), "VT": ("Vermont", 3), "VA": ("Virginia", 18),
    "WA": ("Washington", 21), "WV": ("West Virginia", 10), "WI": ("Wisconsin", 16),
    "WY": ("Wyoming", 14),
}
CA_PROVINCES = {
    "AB": ("Alberta", 15), "BC": ("British Columbia", 26), "MB": ("Manitoba", 8),
    "NB": ("New Brunswick", 7), "NF": ("Newfoundland", 12), "NT": ("Northwest Terr.", 7),
    "NS": ("Nova Scotia", 10), "NU": ("Nunavut", 7), "ON": ("Ontario", 34),
    "PE": ("Prince Edward Island", 2), "QC": ("Quebec", 32), "SK": ("Saskatchewan", 11),
    "YT": ("Yukon Territory", 2),
}
REGIONS = {US: US_STATES, CA: CA_PROVINCES}

# Index series: each holds the US block, then Canada, then the other countries.
SERIES = {
    US: ((1, 755), (1072, 1232)),
    CA: ((756, 856), (1233, 1305)),
    "other": ((857, 1071), (1306, 1986)),
}

# Stations whose index, parent and name are fixed. `site` is the WMO number of the 2013 row
# that is the same place (None: the place has no 2013 row); `values` are the stored values
# where they are fixed too (latitude, longitude west, elevation, heating 99.6/99, cooling
# DB/WB 0.4, 1, 2, daily range), otherwise the site's 2013 values are used.
PINNED = [
    (1, US, "AL", "Alexander City", None,
     "32.95 85.95 660 18 22 96 77 93 76 91 76 21"),
    (16, US, "AK", "Anchorage AP", "702730", None),
    (27, US, "AZ", "Phoenix AP (S)", "722780",
     "33.43 112.02 1106 34 37 110 70 108 70 106 70 23"),
    (106, US, "CO", "Denver AP", "724690",
     "39.75 104.87 5331 -3 3 93 60 90 59 87 59 26.9"),
    (167, US, "GA", "Savannah-Travis AP", "722070", None),
    (405, US, "NE", "Omaha AP", "725500", None),
    (779, CA, "MB", "Portage la Prairie AP", "718510", None),
    (781, CA, "MB", "The Pas AP (S)", "716950", None),
    (860, "Argentina", None, "Buenos Aires", "875760",
     "-34.82 58.53 65 31 34 93 73 90 72 87 71 21.6"),
    (869, "Australia", None, "Sydney", "947670",
     "-33.95 -151.18 10 42 44 90 68 85 67 82 68 12.1"),
    (1014, "Singapore", None, "Singapore City", "486980",
     "1.37 -103.98 52 73 74 91 79 90 79 90 79 11.3"),
    # Greenwich position and height: none of the 2013 London rows (Heathrow 0.45 W,
    # Weather Centre 51.52 N, Gatwick) is this place.
    (1062, "United Kingdom & Northern Ireland", None, "London", None,
     "51.48 0 149 24 26 82 68 79 66 76 65 16"),
    (1133, US, "GA", "Savannah", "722070", None),
    (1176, US, "NE", "Omaha, Eppley Airfield", "725500", None),
    (1987, US, "NV", "N. Las Vegas, Nellis AFB", "723865", None),
    (1988, US, "OK", "Oklahoma City, Tinker AFB", "723540", None),
    (1989, "Russia", None, "Nikolayevsk", "313690",
     "53.15 -140.7 223 -28 -23 78 67 75 65 73 64 15.5"),
]
# Indices inside a block that no station bears.
HOLES = [(780, CA, "MB")]

# A 1997/2001 station whose WMO number the 2013 table lacks stands for the 2013 row of its
# country/state within this distance (same site, new number).
NEAR_MATCH_KM = 5.0
# Two 2013 rows of the same name this close are one place filed twice.
SAME_PLACE_KM = 2.5
# A station with no other of its country/state this close is remote (a far island); remote
# and marine stations fill a count only when nothing else is left.
REMOTE_KM = 300.0
# A WMO match farther apart than this is a re-used number, not the same station, unless the
# two names start with the same word (an airport moved across town).
WMO_SAME_KM = 20.0
WMO_SAME_NAMED_KM = 30.0

# Names of the 2001 list that are typing errors or cut short: the 2013 name of the same
# station is used instead.
NAME_2001_ERRORS = {"ARISSA", "COLUMBUS/RICKENBOCKER AFB", "CIEBA/ROOSEVELT RDS",
                    "ANCHORAGE/ELEMENDORF AFB", "ARCH DE FERNANDO", "LYNEMOUTH",
                    "BOTEVGRAD"}  # the peak station (7,838 ft), not the town

VALUE_COLUMNS = ["lat", "lon_west_positive", "elev_ft", "h996", "h99", "c04db", "c04wb",
                 "c1db", "c1wb", "c2db", "c2wb", "daily_range_F"]
# decimals kept in the stored form, in the order of VALUE_COLUMNS
DECIMALS = [2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1]
CSV_HEADER = ["index", "country", "state", "name", "lat", "lon_west", "elev_ft", "h996", "h99",
              "c04db", "c04wb", "c1db", "c1wb", "c2db", "c2wb", "daily_range"]

GENERATED = ("// Generated by tools/stations/build_stations.py from data/stations/stations.csv; "
             "do not edit.\n")


# ---------------------------------------------------------------------------------------------
# numbers

def round_stored(text, decimals):
    """Round half away from zero to the stored number of decimals; never a negative zero."""
    d = Decimal(text).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    if d == 0:
        d = Decimal(0).quantize(Decimal(1).scaleb(-decimals))
    return d


def minimal(d):
    """Shortest decimal text of a stored value: 32.95, -3, 26.9, 0."""
    s = format(d, "f")
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def check_order(values):
    """The two orderings every record keeps; returns the broken ones."""
    v = [Decimal(x) for x in values]
    broken = []
    if v[3] > v[4]:
        broken.append("heating 99.6 % above 99 %")
    if not v[5] >= v[7] >= v[9]:
        broken.append("cooling dry-bulbs not falling from 0.4 % to 2 %")
    return broken


def distance_m(a, b):
    """Great-circle distance in whole metres: integers keep sums exact and comparisons free of
    the platform's last-bit differences in sin/cos."""
    lat1, lon1, lat2, lon2 = map(math.radians, (a[0], a[1], b[0], b[1]))
    h = (math.sin((lat2 - lat1) / 2) ** 2
         + math.cos(lat1) * math.cos(lat2) * math.sin((lon2 - lon1) / 2) ** 2)
    return int(round(2 * 6371000.0 * math.asin(min(1.0, math.sqrt(h)))))


def distance_km(a, b):
    return distance_m(a, b) / 1000.0


# ---------------------------------------------------------------------------------------------
# names

# Words kept in capitals: designators of airfields and stations, and acronyms.
KEEP_UPPER = {
    "AP", "AFB", "NAS", "MCAS", "MCAF", "AAF", "AB", "ANGB", "ARB", "AFS", "NAF", "NAWS", "NS",
    "CO", "CS", "RCS", "GSN", "WSO", "AMO", "AWS", "LH", "USAF", "RAF", "US", "II", "III",
    "IV", "JR", "JRB", "NASA", "SE", "NE", "SW", "NW", "CIV", "MIL", "GER", "CAN", "DC",
    "RAAF", "UK", "UA", "USCG", "NYC", "IA", "NAAS", "AFLD", "CGAS", "BWI", "USN", "AFHP", "MBS",
}
# Abbreviations written as words, not as acronyms.
ABBREV_WORDS = {"ST": "St", "STE": "Ste", "FT": "Ft", "MT": "Mt", "MTN": "Mtn", "PT": "Pt",
                "PTE": "Pte", "CTR": "Ctr", "RD": "Rd", "RDS": "Rds", "STN": "Stn",
                "PLTFRM": "Pltfrm", "HWY": "Hwy"}
EXPAND = {
    "AIRPORT": "AP", "ARPT": "AP", "APT": "AP", "AIRP": "AP", "AIRPT": "AP",
    "INTERNATIONAL": "Intl", "INTL": "Intl", "INTNL": "Intl", "INT": "Intl", "INTER": "Intl",
    "FLD": "Field", "RGNL": "Regional",
}
# Particles written in lower case inside a name (never as its first word).
PARTICLES = {"LA", "LE", "LES", "DE", "DEL", "DES", "DU", "DA", "DAS", "DO", "DOS", "DI", "NA",
             "AM", "DER", "IM", "OF", "SUR", "EN", "ET", "Y", "AND", "ON", "AUF", "BEI", "VON",
             "OR", "AT", "ES", "LOS", "LAS", "BY", "THE"}
# Suffixes naming the kind of instrument, not the place.
INSTRUMENT_TAGS = {"AUT", "AUTO", "AWOS", "AMOS", "RAMOS", "SAWRS", "AWRS", "ASOS", "AW",
                   "READAC"}
# A part after "/" made only of these joins the place name with a space ("Little Rock AFB").
DESIGNATORS = {"AFB", "NAS", "AP", "AAF", "MCAS", "MCAF", "ANGB", "AB", "ARB", "NAF", "NAWS",
               "AIRPORT", "ARPT", "A", "INTL", "AFS"}
# Words of which a name cut at its last letters keeps only the beginning.
CUT_WORDS = [("AIRPORT", 2), ("INTERNATIONAL", 3), ("MUNICIPAL", 3), ("REGIONAL", 2),
             ("AEROPORTO", 5), ("AEROPUERTO", 5)]
CUT_WORD_SHORT = {"AIRPORT": "AIRPORT", "INTERNATIONAL": "INTL", "MUNICIPAL": "MUNI",
                  "REGIONAL": "RGNL", "AEROPORTO": "AEROPORTO", "AEROPUERTO": "AEROPUERTO"}


def may_be_cut(row):
    """The 2013 table cuts names at 19 or 20 characters, Canadian ones at 29."""
    n = len(row["station_name"])
    return n >= 29 or (row["country_iso3"] != "CAN" and n in (19, 20))


def ascii_only(text):
    return unicodedata.normalize("NFKD", text).encode("ascii", "ignore").decode("ascii")


def alpha_runs(text):
    return re.findall(r"[A-Z]+", text)


def build_vocabulary(rows2013, rows2001):
    """Whole words of the sources: every word of an uncut name, every inner word of a cut one."""
    vocab = set()
    for row in rows2001:
        vocab.update(alpha_runs(ascii_only(row["station_name"]).upper()))
    for row in rows2013:
        words = alpha_runs(ascii_only(row["station_name"]).upper())
        if may_be_cut(row):
            words = words[:-1]
        vocab.update(words)
    return vocab


def repair_cut(s, vocab):
    """Mend the last word of a name the source may have cut short: the beginning of a common
    word (AIRPO, INTERNATI) becomes that word, a fragment too short to read is dropped."""
    m = re.search(r"([A-Z]+)\W*$", s)
    if not m:
        return s
    frag = m.group(1)
    head = s[:m.start(1)]
    for word, shortest in CUT_WORDS:
        if len(frag) >= shortest and word.startswith(frag):
            return head + CUT_WORD_SHORT[word]
    if frag in KEEP_UPPER or frag in EXPAND or (frag in vocab and len(frag) > 2):
        return s
    if len(frag) > 3:
        return s  # may be whole (a name found nowhere else); a cut word still reads
    # drop the fragment and whatever it leaves dangling
    s = head
    while True:
        t = re.sub(r"[\s/\-.,('&]+$", "", s)
        words = t.split(" ")
        last = re.sub(r"[^A-Z]", "", words[-1]) if words else ""
        if len(words) > 1 and (len(last) == 1 or last in PARTICLES or last in ABBREV_WORDS):
            t = " ".join(words[:-1])
        if t == s:
            break
        s = t
    parts = s.split("/")
    if len(parts) > 1 and parts[0].startswith(parts[-1].strip()):  # "CROSS CITY/CROSS CI"
        s = "/".join(parts[:-1])
    return s


def case_word(word, first):
    """Case one word of an upper-case name: acronyms stay, other words get one capital."""
    lead, core, dots, trail = re.fullmatch(r"([(]*)(.*?)([.]*)([),]*)", word).groups()
    if core in KEEP_UPPER:
        return lead + core + trail
    if core in EXPAND and not (first and core == "INTERNATIONAL"):  # International Falls
        return lead + EXPAND[core] + trail
    if core in ABBREV_WORDS:
        return lead + ABBREV_WORDS[core] + dots + trail
    if not first and core in PARTICLES:
        return word.lower()
    standalone = re.fullmatch(r"[A-Z]+", core) is not None
    out = []
    prev_run = ""
    pos = 0
    for m in re.finditer(r"[A-Z]+", word):
        out.append(word[pos:m.start()])
        run = m.group(0)
        sep = word[pos:m.start()]
        if sep.endswith("'") and prev_run not in ("O", "D"):
            cased = run.lower()  # Arkhangel'sk, Mary's, P'yongyang; but O'Hare, D'Or
        elif sep.endswith("-") and run in PARTICLES and word[m.end():].startswith("-"):
            cased = run.lower()  # Rostov-na-Donu
        elif run in KEEP_UPPER:
            cased = run
        elif standalone and 2 <= len(run) <= 4 and not re.search(r"[AEIOUY]", run):
            cased = run  # acronyms such as JFK, BWI
        elif re.fullmatch(r"MC[A-Z]{3,}", run):
            cased = "Mc" + run[2] + run[3:].lower()
        else:
            cased = run[0] + run[1:].lower()
        out.append(cased)
        prev_run = run
        pos = m.end()
    out.append(word[pos:])
    return "".join(out)


def readable(source_name, cut=False, vocab=frozenset()):
    """Tree text of a station from the source's upper-case name."""
    s = ascii_only(source_name).upper().strip()
    s = re.sub(r"\s*\(=\d+\)", "", s)          # "(=588490)": a cross-reference, not a name
    s = re.sub(r"\(([^)/]*)/[^)]*\)", r"(\1)", s)  # "(TOP/SOMMET)": one language is enough
    s = re.sub(r"[\\_:]", "/", s)              # other separators the sources use
    s = re.sub(r"\s*/\s*", "/", s).strip("/ ")
    s = re.sub(r"'A'$", "A", s)
    if cut:
        s = repair_cut(s, vocab)
    s = re.sub(r"(?<=[A-Z.])\(", " (", s)       # "MUNI(AWOS)"
    s = re.sub(r"\bMC ([A-Z]{3,})", r"MC\1", s)  # "MC CLELLAN" is McClellan
    tags = "|".join(sorted(INSTRUMENT_TAGS))
    s = re.sub(r"\s*\((?:%s)\)" % tags, "", s)
    s = re.sub(r"(?<=\S)\s+(?:%s)\b" % tags, "", s)
    if s.count("(") > s.count(")"):
        s = s[:s.rindex("(")].rstrip()          # a cut "(..." says nothing
    parts = []
    for piece in s.split("/"):
        words = piece.split()
        if not words:
            continue
        if parts and all(w.strip(".") in DESIGNATORS for w in words):
            parts[-1] += " " + piece
            continue
        parts.append(piece)
    out = []
    for piece in parts:
        words = piece.split()
        if len(words) > 1 and words[-1] == "A":
            words[-1] = "AP"  # a closing "A" marks the airport station
        out.append(" ".join(case_word(w, i == 0) for i, w in enumerate(words)))
    return re.sub(r"\s+", " ", ", ".join(out)).strip()


def shorten(name):
    """Fit a name into NAME_MAX characters by dropping whole trailing words."""
    while len(name) > NAME_MAX and " " in name:
        name = name.rsplit(" ", 1)[0].rstrip(",")
    return name[:NAME_MAX]


# ---------------------------------------------------------------------------------------------
# sources

def group_of(country, region):
    return (country, region if country in REGIONS else None)


# Columns of the sources. The third column of both files holds the tree's country name for
# the row (blank where the tree has no such country); it is read by position as "country".
COLUMNS_2013 = ["source_id", "country_iso3", None, "state_or_province", "station_name", "lat",
                "lon_west_positive", "elev_ft", "h996", "h99", "c04db", "c04wb", "c1db", "c1wb",
                "c2db", "c2wb", "daily_range_F", "wmo"]
COLUMNS_2001 = ["wmo", "station_name", None, "state_or_province", "lat", "lon_west_positive",
                "elev_ft", "assigned_by"]


def read_source(path, columns):
    with open(path, newline="") as f:
        rows = list(csv.reader(f))
    header = rows[0]
    if len(header) != len(columns) or any(c and c != h for c, h in zip(columns, header)):
        raise SystemExit(f"{path}: unexpected columns {header}")
    names = [c or "country" for c in columns]
    return [dict(zip(names, row)) for row in rows[1:]]


def load_sources(src):
    return (read_source(os.path.join(src, "ashrae2013_stations_IP.csv"), COLUMNS_2013),
            read_source(os.path.join(src, "stations_2001_IP.csv"), COLUMNS_2001))


def usable(row):
    """Complete rows only: buoys and platforms lack the wet-bulbs."""
    return all(row[c] not in ("", "N_A") for c in VALUE_COLUMNS)


def first_word(name):
    return re.sub(r"[^A-Z]", "", ascii_only(name).upper().split(" ")[0].split("/")[0])


def match_2001(rows2013, rows2001, report):
    """2013 rows that stand for a 1997/2001 station: source_id -> (2001 row, by WMO?)."""
    by_wmo = {r["wmo"]: r for r in rows2013}
    matched = {}
    for old in rows2001:
        if not old["country"]:
            continue
        g = group_of(old["country"], old["state_or_province"])
        pos = (float(old["lat"]), float(old["lon_west_positive"]))
        new = by_wmo.get(old["wmo"].lstrip("0") or "0")
        if new is not None:
            d = distance_km(pos, (float(new["lat"]), float(new["lon_west_positive"])))
            same_name = first_word(new["station_name"]) == first_word(old["station_name"])
            if group_of(new["country"], new["state_or_province"]) != g:
                report["unmatched"].append(
                    f"{old['station_name']} ({old['wmo']}): the number is in another "
                    "country/state")
            elif d <= WMO_SAME_KM or (d <= WMO_SAME_NAMED_KM and same_name):
                if usable(new):
                    matched.setdefault(new["source_id"], (old, True))
            else:
                report["unmatched"].append(
                    f"{old['station_name']} ({old['wmo']}): the number is re-used by "
                    f"{new['station_name']}, {d:.0f} km away")
            continue
        best = None
        for new in rows2013:
            if not usable(new) or group_of(new["country"], new["state_or_province"]) != g:
                continue
            d = distance_km(pos, (float(new["lat"]), float(new["lon_west_positive"])))
            if best is None or (d, new["source_id"]) < best[0]:
                best = ((d, new["source_id"]), new)
        if best is not None and best[0][0] <= NEAR_MATCH_KM:
            matched.setdefault(best[1]["source_id"], (old, False))
    return matched


# ---------------------------------------------------------------------------------------------
# selection

def spread_picks(seeds, pool, demand, k):
    """Greedy coverage of a territory: each pick is the candidate that most reduces the total
    distance from every station of the country/state (`demand`, positions) to its nearest
    chosen one, seeds included. Without seeds the first pick is the most central station.
    Distances are whole metres so that sums and ties do not depend on rounding; ties go to
    the lower source id."""
    pool = sorted(pool, key=lambda r: r["source_id"])
    picked = []
    if k <= 0 or not pool:
        return picked
    far = 40_000_000  # farther than anything on earth
    nearest = [min((distance_m(s, d) for s in seeds), default=far) for d in demand]
    cache = {}
    while len(picked) < k and pool:
        best = None
        for r in pool:
            if r["source_id"] not in cache:
                cache[r["source_id"]] = [distance_m(r["pos"], d) for d in demand]
            total = sum(min(n, x) for n, x in zip(nearest, cache[r["source_id"]]))
            if best is None or total < best[0]:
                best = (total, r)
        r = best[1]
        nearest = [min(n, x) for n, x in zip(nearest, cache[r["source_id"]])]
        picked.append(r)
        pool = [q for q in pool if q is not r]
    return picked


def documented_groups():
    """(group, count) for every country and region of the tree, countries alphabetical."""
    groups = []
    for country, count in COUNTRY_COUNTS:
        if country in REGIONS:
            regions = REGIONS[country]
            assert sum(n for _, n in regions.values()) == count, country
            for code in sorted(regions, key=lambda c: regions[c][0]):
                groups.append(((country, code), regions[code][1]))
        else:
            groups.append(((country, None), count))
    return groups


def group_title(group):
    country, code = group
    return REGIONS[country][code][0] if code else country


def same_place_key(row):
    return re.sub(r"[^A-Z]", "", readable(row["station_name"]).upper())


def offshore(row):
    """Buoys, lightships, platforms and the other marine stations of the WMO 99 block."""
    return (re.fullmatch(r"99\d{4}", row["wmo"]) is not None
            or re.search(r"BUOY|BOUY|\bBUO\b|PLATFORM|PLTFRM|LIGHTSHI", row["station_name"])
            is not None)


def select_stations(rows2013, rows2001, report):
    """Stations of every group: group -> list of dicts (name, values, preferred, site)."""
    matched = match_2001(rows2013, rows2001, report)
    vocab = build_vocabulary(rows2013, rows2001)
    by_wmo = {r["wmo"]: r for r in rows2013}
    by_group = {}
    for r in rows2013:
        if r["country"] and usable(r):
            r = dict(r, pos=(float(r["lat"]), float(r["lon_west_positive"])))
            by_group.setdefault(group_of(r["country"], r["state_or_province"]), []).append(r)

    pinned_sites = {p[4] for p in PINNED if p[4]}
    chosen = {}
    for group, count in documented_groups():
        pins = [p for p in PINNED if (p[1], p[2]) == group]
        seeds = []
        for p in pins:
            if p[5]:
                v = p[5].split()
                seeds.append((float(v[0]), float(v[1])))
            else:
                r = by_wmo[p[4]]
                seeds.append((float(r["lat"]), float(r["lon_west_positive"])))
        need = count - len(pins)
        rows = by_group.get(group, [])

        # One row per place: the same name within SAME_PLACE_KM is one station filed twice.
        rows = sorted(rows, key=lambda r: (r["source_id"] not in matched, r["source_id"]))
        pool = []
        for r in rows:
            if r["wmo"] in pinned_sites:
                continue
            twin = next((q for q in pool if same_place_key(q) == same_place_key(r)
                         and distance_km(q["pos"], r["pos"]) <= SAME_PLACE_KM), None)
            if twin is not None:
                report["same_place"].append(
                    f"{group_title(group)}: {r['station_name']} {r['wmo']} = {twin['wmo']}")
                continue
            pool.append(r)

        preferred = [r for r in pool if r["source_id"] in matched]
        rest = [r for r in pool if r["source_id"] not in matched]
        land = [r for r in rows if not offshore(r)]

        def remote(r):
            return offshore(r) or not any(
                q is not r and distance_km(q["pos"], r["pos"]) <= REMOTE_KM for q in land)

        usual = [r for r in rest if not remote(r)]
        last = [r for r in rest if remote(r)]
        demand = [r["pos"] for r in land]
        if len(preferred) >= need:
            picks = spread_picks(seeds, preferred, demand, need)
        else:
            picks = list(preferred)
            for tier in (usual, last):
                picks += spread_picks(seeds + [r["pos"] for r in picks], tier, demand,
                                      need - len(picks))
        stations = []
        for r in picks:
            old, by_number = matched.get(r["source_id"], (None, False))
            own = shorten(readable(r["station_name"], may_be_cut(r),
                                   vocab))
            name = own
            if by_number and old["station_name"] not in NAME_2001_ERRORS:
                name = shorten(readable(old["station_name"]))
            if r in last and (offshore(r) or usual):
                report["last_resort"].append(
                    f"{group_title(group)}: {r['station_name']} ({r['wmo']})")
            stations.append({
                "group": group,
                "name": name,
                "own_name": own,
                "values": [minimal(round_stored(r[c], d))
                           for c, d in zip(VALUE_COLUMNS, DECIMALS)],
                "preferred": old is not None,
                "source_id": r["source_id"],
                "site": r["wmo"],
                "source_name": r["station_name"],
            })
        chosen[group] = stations
    return chosen, by_wmo


def pinned_station(p, by_wmo):
    index, country, code, name, site, values = p
    if values:
        vals = [minimal(Decimal(v)) for v in values.split()]
    else:
        r = by_wmo[site]
        vals = [minimal(round_stored(r[c], d)) for c, d in zip(VALUE_COLUMNS, DECIMALS)]
    return {"group": (country, code), "name": name, "values": vals, "preferred": True,
            "site": site or "-", "source_name": by_wmo[site]["station_name"] if site else "-",
            "index": index}


def make_unique(chosen, pinned):
    """Names unique under their parent. Stations whose names clash take their own 2013 names;
    what still clashes is numbered in source order."""
    for group, stations in chosen.items():
        fixed = {p["name"].casefold() for p in pinned if p["group"] == group}
        counts = {}
        for st in stations:
            counts[st["name"].casefold()] = counts.get(st["name"].casefold(), 0) + 1
        for st in stations:
            key = st["name"].casefold()
            if counts[key] > 1 or key in fixed:
                st["name"] = st["own_name"]
        taken = set(fixed)
        for st in sorted(stations, key=lambda s: (not s["preferred"], s["source_id"])):
            name, n = st["name"], 2
            while name.casefold() in taken:
                suffix = f" ({n})"
                name = st["name"][:NAME_MAX - len(suffix)] + suffix
                n += 1
            st["name"] = name
            taken.add(name.casefold())


# ---------------------------------------------------------------------------------------------
# index layout

def layout(report):
    """Split every group's slots between index series A and B.

    Within each part of the table (US, Canada, other countries) a group's block sizes must add
    up to the series' sizes and every fixed index must fall inside its group's block. Among
    the splits that do, the one chosen has (1) as many blocks as possible opened by their
    first fixed station, then (2) each group's share in series A as close as possible to the
    part's overall share (least squares). Remaining ties favour smaller series-A blocks for
    earlier groups. Returns group -> (list of A indices, list of B indices)."""
    groups = documented_groups()
    parts = {US: [], CA: [], "other": []}
    for group, count in groups:
        parts[group[0] if group[0] in REGIONS else "other"].append((group, count))
    blocks = {}
    for part, members in parts.items():
        (a0, a1), (b0, b1) = SERIES[part]
        size_a, size_b = a1 - a0 + 1, b1 - b0 + 1
        info = []
        for group, count in members:
            extra = [p[0] for p in PINNED if (p[1], p[2]) == group and p[0] > 1986]
            holes = [h[0] for h in HOLES if (h[1], h[2]) == group]
            fixed = [p[0] for p in PINNED if (p[1], p[2]) == group and p[0] <= 1986] + holes
            pins_a = sorted(i for i in fixed if a0 <= i <= a1)
            pins_b = sorted(i for i in fixed if b0 <= i <= b1)
            assert len(pins_a) + len(pins_b) == len(fixed), group
            info.append((group, count - len(extra) + len(holes), pins_a, pins_b))
        total = sum(i[1] for i in info)
        assert total == size_a + size_b, (part, total)

        # dp[s] = (cost, previous s, a) after the groups so far, s = slots used in series A
        dp = {0: ((0, 0), None, None)}
        history = []
        used = 0
        for group, slots, pins_a, pins_b in info:
            nxt = {}
            for s in sorted(dp):
                cost = dp[s][0]
                start_b = b0 + used - s
                for a in range(len(pins_a), slots - len(pins_b) + 1):
                    start_a = a0 + s
                    if s + a > size_a or (used - s) + (slots - a) > size_b:
                        continue
                    if pins_a and not (start_a <= pins_a[0] and pins_a[-1] < start_a + a):
                        continue
                    if pins_b and not (start_b <= pins_b[0]
                                       and pins_b[-1] < start_b + slots - a):
                        continue
                    late = (bool(pins_a) and pins_a[0] != start_a) + \
                        (bool(pins_b) and pins_b[0] != start_b)
                    dev = (a * (size_a + size_b) - size_a * slots) ** 2
                    c = (cost[0] + late, cost[1] + dev)
                    if s + a not in nxt or c < nxt[s + a][0]:
                        nxt[s + a] = (c, s, a)
            history.append(nxt)
            dp = nxt
            used += slots
            if not dp:
                raise SystemExit(f"no index layout fits {part} at {group_title(group)}")
        if size_a not in dp:
            raise SystemExit(f"no index layout fits {part}")
        s = size_a
        split = []
        for step in reversed(history):
            _, prev, a = step[s]
            split.append(a)
            s = prev
        split.reverse()
        s = used_b = 0
        for (group, slots, _, _), a in zip(info, split):
            blocks[group] = (list(range(a0 + s, a0 + s + a)),
                             list(range(b0 + used_b, b0 + used_b + slots - a)))
            s += a
            used_b += slots - a
        late = history[-1][size_a][0][0]
        report.append(f"{part}: series A {size_a}, B {size_b}; "
                      f"fixed stations not opening their block: {late}")
    return blocks


def assign_indices(chosen, pinned, blocks):
    """index -> station; the empty slots of a group go to the end of its B, then A block."""
    table = {}
    empty = {}
    for p in pinned:
        table[p["index"]] = p
    holes = {h[0] for h in HOLES}
    for group, (idx_a, idx_b) in blocks.items():
        free_a = [i for i in idx_a if i not in table and i not in holes]
        free_b = [i for i in idx_b if i not in table and i not in holes]
        stations = sorted(chosen[group], key=lambda s: (not s["preferred"],
                                                        s["name"].casefold(), s["name"]))
        missing = len(free_a) + len(free_b) - len(stations)
        assert missing >= 0, group
        cut_b = min(missing, len(free_b))
        cut_a = missing - cut_b
        slots_b = free_b[:len(free_b) - cut_b]
        slots_a = free_a[:len(free_a) - cut_a]
        gaps = free_a[len(slots_a):] + free_b[len(slots_b):]
        if gaps:
            empty[group] = gaps
        in_a = sorted(stations[:len(slots_a)], key=lambda s: (s["name"].casefold(), s["name"]))
        in_b = sorted(stations[len(slots_a):], key=lambda s: (s["name"].casefold(), s["name"]))
        for i, st in zip(slots_a, in_a):
            table[i] = dict(st, index=i)
        for i, st in zip(slots_b, in_b):
            table[i] = dict(st, index=i)
    return table, empty


# ---------------------------------------------------------------------------------------------
# outputs

def write_text(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="\n", encoding="ascii") as f:
        f.write(text)


CSV_NOTES = """\
# Weather stations of Thermavo: one row per station index that carries a climate record
# (lumora) and a tree item (tessil); an index that is absent carries neither.
# Units: latitude N+, longitude W+ (decimal degrees), elevation ft, temperatures F, daily
# range F degrees. h996/h99: heating dry-bulb 99.6 %/99 %; c04db/c04wb, c1db/c1wb, c2db/c2wb:
# cooling dry-bulb and mean coincident wet-bulb at 0.4 %, 1 %, 2 %.
# Sources: ASHRAE Handbook 2013 climatic design conditions, yearly table, 6,443 stations, as
# shipped with EnergyPlus (NREL/EnergyPlus, bin/WeatherConverter/
# ASHRAE_2013_Yearly_DesignConditions.csv), converted to F/ft with west-positive longitude;
# station list of the 1997/2001 ASHRAE edition (WMO number, name, position, no values).
# Seventeen entries keep fixed indices and names, eight of them fixed values as well.
# Selection: per country/state up to its station count, complete 2013 rows only; stations of
# the 1997/2001 list first, the rest chosen to cover the territory (docs/station-data.md).
# Rounding: lat/lon 2 decimals, elevation and temperatures whole numbers, daily range 1
# decimal, halves away from zero. Written by tools/stations/build_stations.py.
"""


def write_csv(table):
    out = io.StringIO()
    out.write(CSV_NOTES)
    w = csv.writer(out, lineterminator="\n")
    w.writerow(CSV_HEADER)
    for i in sorted(table):
        st = table[i]
        country, code = st["group"]
        state = REGIONS[country][code][0] if code else ""
        w.writerow([i, country, state, st["name"]] + st["values"])
    write_text(CSV_OUT, out.getvalue())


def read_csv(path):
    with open(path, newline="", encoding="ascii") as f:
        lines = [line for line in f if not line.startswith("#")]
    rows = list(csv.DictReader(lines))
    assert rows and list(rows[0].keys()) == CSV_HEADER, "unexpected header in " + path
    return rows


def c_string(text):
    assert text.isascii() and text.isprintable(), text
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("?", "\\?") + '"'


def write_incs(rows):
    by_index = {}
    for r in rows:
        i = int(r["index"])
        assert 1 <= i <= N_INDICES and i not in by_index, i
        by_index[i] = r

    lines = [GENERATED]
    for i in range(N_INDICES + 1):
        r = by_index.get(i)
        if r is None:
            lines.append(f"/* {i} */ {{0, {{0,0,0,0,0,0,0,0,0,0,0,0}}}},\n")
            continue
        vals = [r[c] for c in CSV_HEADER[4:]]
        for v in vals:  # the C++ literal must be this exact double
            assert re.fullmatch(r"-?\d+(\.\d+)?", v) and float(v) == float(repr(float(v))), v
        lines.append(f"/* {i} */ {{1, {{{', '.join(vals)}}}}},\n")
    write_text(CITY_INC, "".join(lines))

    countries = sorted({r["country"] for r in rows})
    write_text(COUNTRIES_INC, GENERATED + "".join(f"{c_string(c)},\n" for c in countries))

    regions = sorted({(countries.index(r["country"]), r["state"]) for r in rows if r["state"]})
    region_index = {key: k for k, key in enumerate(regions)}
    write_text(REGIONS_INC, GENERATED + "".join(
        f"{{{c}, {c_string(name)}}},\n" for c, name in regions))

    lines = [GENERATED]
    for i in sorted(by_index):
        r = by_index[i]
        c = countries.index(r["country"])
        reg = region_index[(c, r["state"])] if r["state"] else -1
        lines.append(f"{{{c}, {reg}, {i}, {c_string(r['name'])}}},\n")
    write_text(STATIONS_INC, "".join(lines))
    return countries, regions


# ---------------------------------------------------------------------------------------------
# checks

def self_check(table, empty, blocks):
    """Faults that would reach the libraries: fail loudly rather than write bad tables."""
    problems = []
    for p in PINNED:
        st = table.get(p[0])
        if st is None or st["name"] != p[3] or st["group"] != (p[1], p[2]):
            problems.append(f"index {p[0]} is not {p[3]}")
        if p[5] and st and st["values"] != [minimal(Decimal(v)) for v in p[5].split()]:
            problems.append(f"index {p[0]} values differ from the fixed row")
    for h in HOLES:
        if h[0] in table:
            problems.append(f"index {h[0]} must stay empty")
    pairs = [(167, 1133), (405, 1176)]
    for a, b in pairs:
        if table[a]["values"] != table[b]["values"]:
            problems.append(f"indices {a} and {b} must carry the same record")
    seen = {}
    for i, st in table.items():
        for broken in check_order(st["values"]):
            problems.append(f"index {i} {st['name']}: {broken}")
        lat, lon, elev, h996, h99, *cool, rng = (Decimal(v) for v in st["values"])
        if not (-90 <= lat <= 90 and -180 <= lon <= 180 and -1500 < elev < 20000
                and 0 < rng < 60 and h99 < cool[0]):
            problems.append(f"index {i} {st['name']}: value out of range")
        if any(cool[k + 1] > cool[k] for k in (0, 2, 4)):
            problems.append(f"index {i} {st['name']}: wet-bulb above its dry-bulb")
        if len(st["name"]) > NAME_MAX or not st["name"].isascii():
            problems.append(f"index {i}: name {st['name']!r}")
        key = (st["group"], st["name"].casefold())
        if key in seen:
            problems.append(f"indices {seen[key]} and {i}: same name {st['name']!r}")
        seen[key] = i
    sites = {}
    for i, st in table.items():
        if st["site"] != "-":
            sites.setdefault(st["site"].split()[0], []).append(i)
    allowed = {tuple(sorted(pair)) for pair in pairs}
    for site, idx in sites.items():
        if len(idx) > 1 and tuple(sorted(idx)) not in allowed:
            problems.append(f"site {site} used at {idx}")
    for group, count in documented_groups():
        idx_a, idx_b = blocks[group]
        inside = set(idx_a + idx_b) | {p[0] for p in PINNED if (p[1], p[2]) == group}
        mine = {i for i, st in table.items() if st["group"] == group}
        if not mine <= inside or len(mine) > count:
            problems.append(f"{group_title(group)}: stations outside its blocks or too many")
    n_empty = sum(len(v) for v in empty.values()) + len(HOLES)
    if len(table) + n_empty != N_INDICES:
        problems.append(f"{len(table)} records + {n_empty} empty != {N_INDICES}")
    if problems:
        raise SystemExit("self-check failed:\n  " + "\n  ".join(problems))


# ---------------------------------------------------------------------------------------------

def main(argv):
    if argv[1:] == ["--inc-only"]:
        countries, regions = write_incs(read_csv(CSV_OUT))
        print(f"wrote the .inc files from {os.path.relpath(CSV_OUT, REPO)}: "
              f"{len(countries)} countries, {len(regions)} regions")
        return
    if len(argv) != 2:
        raise SystemExit(__doc__)
    rows2013, rows2001 = load_sources(argv[1])
    report = {"unmatched": [], "same_place": [], "last_resort": [], "layout": []}
    chosen, by_wmo = select_stations(rows2013, rows2001, report)
    pinned = [pinned_station(p, by_wmo) for p in PINNED]
    make_unique(chosen, pinned)
    blocks = layout(report["layout"])
    table, empty = assign_indices(chosen, pinned, blocks)
    self_check(table, empty, blocks)
    write_csv(table)
    countries, regions = write_incs(read_csv(CSV_OUT))

    from_2001 = sum(st["preferred"] for sts in chosen.values() for st in sts)
    print(f"2013 rows {len(rows2013)}, complete {sum(usable(r) for r in rows2013)}; "
          f"1997/2001 stations {len(rows2001)}, {from_2001} of them delivered "
          f"(besides the {len(PINNED)} fixed stations)")
    print(f"records {len(table)}, empty indices {N_INDICES - len(table)}; "
          f"countries in the tree {len(countries)}, regions {len(regions)}")
    print("index layout:")
    for line in report["layout"]:
        print("  " + line)
    print("short of the documented count (documented, delivered):")
    for group, count in documented_groups():
        got = sum(1 for st in table.values() if st["group"] == group)
        if got != count:
            print(f"  {group_title(group)}: {count}, {got}")
    print("empty indices:", " ".join(str(i) for i in sorted(
        [h[0] for h in HOLES] + [i for v in empty.values() for i in v])))
    headings = {
        "unmatched": "1997/2001 stations whose WMO number is another station's in 2013:",
        "same_place": "2013 rows left out as the same place filed twice:",
        "last_resort": "marine or remote stations taken because nothing else was left:",
    }
    for key, heading in headings.items():
        if report[key]:
            print(heading)
            for line in report[key]:
                print("  " + line)

if __name__ == "__main__":
    main(sys.argv)
