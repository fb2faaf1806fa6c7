#include "FuzzTargets.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <system_error>

#include "calc/PeakSearch.h"
#include "document/DocumentJson.h"
#include "document/Options.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "draw/RecordingCanvas.h"
#include "input/OptionsCommand.h"
#include "input/ProjectDescription.h"
#include "paths/InstallDir.h"
#include "tables/DataFiles.h"
#include "tables/ReferenceReader.h"
#include "tables/TableFile.h"
#include "views/SummaryText.h"
#include "views/ViewDrawing.h"
#include "views/ViewKinds.h"

namespace fs = std::filesystem;

namespace {

// Every message is counted, and the last one kept for the abort message.
class CCountingMessages : public IUserMessages {
  public:
    void ShowMessage(const std::string& text) override {
        ++count;
        last = text;
    }
    void ReportFileError(const std::string& path, const std::string& cause) override {
        ++count;
        last = path + ": " + cause;
    }
    int count = 0;
    std::string last;
};

[[noreturn]] void Broken(const char* harness, const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", harness, what.c_str());
    std::fflush(stderr);
    std::abort();
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out.flush()) Broken("environment", "cannot write " + path.string());
}

std::optional<nlohmann::json> ReadJson(const fs::path& path) {
    std::ifstream in(path);
    nlohmann::json json = nlohmann::json::parse(in, nullptr, false);
    if (!in.good() && !in.eof()) return std::nullopt;
    if (json.is_discarded()) return std::nullopt;
    return json;
}

// The shared environment: made once, removed at exit.
class CFuzzEnvironment {
  public:
    CFuzzEnvironment() {
        std::string pattern = (fs::temp_directory_path() / "thermavo-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) Broken("environment", "no temporary folder");
        m_root = pattern;
        // Never the user's own options file.
        const fs::path config = m_root / "config";
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        fs::create_directories(config / "thermavo");
        m_optionsPath = GetOptionsFilePath();
        WriteOptions(std::vector<uint8_t>(16, 0));

        // A private copy of the data folder, so that one file can be swapped at a time.
        m_data = m_root / "data";
        m_scratch = m_root / "scratch";
        fs::create_directories(m_data);
        fs::create_directories(m_scratch);
        for (const DataFileShape& shape : AllDataFiles()) {
            const std::string name = DataFileName(shape.nNumber);
            m_original.push_back(ReadBytes(fs::path(THERMAVO_FUZZ_DATA_DIR) / name));
            if (m_original.back().size() != static_cast<size_t>(shape.Bytes())) {
                Broken("environment", std::string(THERMAVO_FUZZ_DATA_DIR) + name +
                                          " is missing or damaged: build reference_data");
            }
            WriteBytes(m_data / name, m_original.back().data(), m_original.back().size());
        }
        g_strInstallDir = m_data.string() + "/";

        CCountingMessages messages;
        CQuarnDoc doc(messages);
        doc.OnNewDocument();
        m_newProject = doc;
        for (const char* example : {"office.json", "house.json"}) {
            doc.OnNewDocument();
            const auto description = ReadJson(fs::path(THERMAVO_SOURCE_DIR) / "examples" / example);
            if (!description || ApplyProjectDescription(doc, *description) || messages.count != 0) {
                Broken("environment", std::string("the example ") + example + " does not build");
            }
            m_examples.push_back(doc);
        }
    }

    ~CFuzzEnvironment() {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

    CFuzzEnvironment(const CFuzzEnvironment&) = delete;
    CFuzzEnvironment& operator=(const CFuzzEnvironment&) = delete;

    void WriteOptions(const std::vector<uint8_t>& bytes) const {
        WriteBytes(m_optionsPath, bytes.data(), bytes.size());
    }

    // The data file NN in the data folder, as the build made it.
    const std::vector<uint8_t>& Original(int number) const {
        const auto& all = AllDataFiles();
        for (size_t i = 0; i < all.size(); ++i) {
            if (all[i].nNumber == number) return m_original[i];
        }
        Broken("environment", "no data file " + std::to_string(number));
    }

    const fs::path& DataFolder() const { return m_data; }
    const fs::path& Scratch() const { return m_scratch; }
    const CQuarnDocData& NewProject() const { return m_newProject; }
    const CQuarnDocData& Example(bool house) const { return m_examples[house ? 1 : 0]; }

  private:
    fs::path m_root, m_data, m_scratch;
    std::string m_optionsPath;
    std::vector<std::vector<uint8_t>> m_original;
    CQuarnDocData m_newProject;
    std::vector<CQuarnDocData> m_examples;
};

CFuzzEnvironment& Environment() {
    static CFuzzEnvironment environment;
    return environment;
}

// A document on the heap (a project is some 190 KB) holding a copy of the given project.
std::unique_ptr<CQuarnDoc> MakeDoc(IUserMessages& messages, const CQuarnDocData& data) {
    auto doc = std::make_unique<CQuarnDoc>(messages);
    static_cast<CQuarnDocData&>(*doc) = data;
    return doc;
}

// Draws the document's current kind on screen and, printed, on every page it can have.
void DrawKind(CQuarnDoc& doc, bool printed) {
    CRecordingCanvas screen;
    ViewPage page;
    page.nClientWidth = 1000;
    page.nClientHeight = 700;
    DrawView(doc, doc.m_nViewKind, screen, page);
    if (!printed) return;
    const int pages = doc.m_nViewKind == kInputDataReportKind ? 3 : 1;
    for (int number = 1; number <= pages; ++number) {
        // A US Letter page less the command line's margins.
        CRecordingCanvas printer(true, true);
        page.nPrintWidth = kPrintPageWidth;
        page.nPrintHeight = 1040;
        page.nPageNumber = number;
        DrawView(doc, doc.m_nViewKind, printer, page);
    }
}

void DrawKinds(CQuarnDoc& doc, const std::vector<int>& kinds, bool printed) {
    const int shown = doc.m_nViewKind;
    for (int kind : kinds) {
        doc.m_nViewKind = kind;
        DrawKind(doc, printed);
    }
    doc.m_nViewKind = shown;
}

// On screen only: drawing is most of a harness's time, and every kind of a form runs the
// same code on another table.
void DrawEveryKind(CQuarnDoc& doc) {
    std::vector<int> kinds;
    for (const ViewKindInfo& info : AllViewKinds()) kinds.push_back(info.nKind);
    DrawKinds(doc, kinds, false);
}

// A graph, a table and the reports: each printed layout.
const std::vector<int> kPrintedKinds = {1, kTotalCoolingTableKind, kPeakSummaryKind,
                                        kHeatingReportKind, kInputDataReportKind};

// What the summary pane and `thermavo-cli summary` and `dump` show of a project.
void Summarize(CQuarnDoc& doc) {
    (void)BuildSummaryText(doc, SummaryText{});
    const PeakResult peak =
        FindPeak([&](int hour, int month) { return doc.GetLoadComponent(hour, month, 1); });
    for (int item = 1; item <= 22; ++item) {
        (void)doc.GetLoadComponent(peak.nMaxHour, peak.nMaxMonth, item);
    }
    for (int item = 1; item <= 13; ++item) (void)doc.GetHeatLossItem(item);
    (void)doc.GetVentilationAirFlow();
    (void)DocumentToJson(doc).dump(1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Saves the document, loads the bytes into a second document and saves that: the two saves
// must be identical.
void CheckSaveLoadSave(const char* harness, const CQuarnDoc& doc) {
    const std::vector<uint8_t> first = SerializeProject(doc);
    CCountingMessages messages;
    auto again = MakeDoc(messages, Environment().NewProject());
    if (LoadProjectBytes(*again, first.data(), first.size(), "saved.Spc") != LoadStatus::kLoaded) {
        Broken(harness, "a saved project does not load again: " + messages.last);
    }
    if (SerializeProject(*again) != first) {
        Broken(harness, "save, load, save does not give the same bytes");
    }
}

const DataFileShape* ShapeOfFirstByte(const uint8_t* data, size_t size) {
    return size == 0 ? nullptr : FindDataFile(data[0] & 0x7F);
}

}  // namespace

void FuzzSpcRoundtrip(const uint8_t* data, size_t size) {
    const char* harness = "spc_roundtrip";
    CCountingMessages messages;
    auto doc = MakeDoc(messages, Environment().NewProject());
    const std::vector<uint8_t> before = SerializeProject(*doc);
    switch (LoadProjectBytes(*doc, data, size, "fuzz.Spc")) {
        case LoadStatus::kFailed:
            if (messages.count == 0) Broken(harness, "a refused file was not reported");
            if (SerializeProject(*doc) != before) {
                Broken(harness, "a refused file changed the document");
            }
            return;
        case LoadStatus::kNewerVersion:
            if (messages.count == 0) Broken(harness, "a newer version was not reported");
            return;
        case LoadStatus::kLoaded:
            CheckSaveLoadSave(harness, *doc);
            return;
    }
}

void FuzzSpcViews(const uint8_t* data, size_t size) {
    CCountingMessages messages;
    auto doc = MakeDoc(messages, Environment().NewProject());
    if (LoadProjectBytes(*doc, data, size, "fuzz.Spc") != LoadStatus::kLoaded) return;
    // As opened: the kind it was saved on, then every kind from the stored results.
    DrawKind(*doc, false);
    Summarize(*doc);
    DrawEveryKind(*doc);
    // As `thermavo-cli recalc` does: what finishing the General Project Data wizard does.
    doc->RecalcGeneralData();
    doc->FinishInput();
    Summarize(*doc);
    DrawEveryKind(*doc);
    DrawKinds(*doc, kPrintedKinds, true);
}

void FuzzOptions(const uint8_t* data, size_t size) {
    const char* harness = "options";
    CFuzzEnvironment& environment = Environment();
    environment.WriteOptions(std::vector<uint8_t>(data, data + size));
    CCountingMessages messages;
    auto doc = MakeDoc(messages, environment.NewProject());
    doc->OnNewDocument();
    environment.WriteOptions(std::vector<uint8_t>(16, 0));
    if ((size < 16 || size > 4096) && messages.count == 0) {
        Broken(harness, "a short or oversized options file was not reported");
    }
    if (size >= 16 && size <= 4096) {
        const int read[kOptionCount] = {doc->m_nInputUnits, doc->m_nOutputUnits,
                                        doc->m_nDisplaySize, doc->m_nFontSize};
        for (int i = 0; i < kOptionCount; ++i) {
            const uint32_t bits = static_cast<uint32_t>(data[i * 4]) |
                                  static_cast<uint32_t>(data[i * 4 + 1]) << 8 |
                                  static_cast<uint32_t>(data[i * 4 + 2]) << 16 |
                                  static_cast<uint32_t>(data[i * 4 + 3]) << 24;
            if (read[i] != static_cast<int32_t>(bits)) {
                Broken(harness, "option " + std::to_string(i) + " was not taken as stored");
            }
        }
    }
    (void)ValidateOptions(FillOptions(*doc));
    CheckSaveLoadSave(harness, *doc);
    Summarize(*doc);
    DrawKinds(*doc, kPrintedKinds, true);
}

void FuzzCsvSource(const uint8_t* data, size_t size) {
    const char* harness = "csv_source";
    const DataFileShape* shape = ShapeOfFirstByte(data, size);
    if (shape == nullptr) return;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    TableData table;
    std::string error;
    if (!ParseTableCsv(text, *shape, table, error)) {
        if (error.empty()) Broken(harness, "a refused source was given no cause");
        return;
    }
    if (table.nRows != shape->nRows || table.nCols != shape->nCols ||
        table.values.size() != static_cast<size_t>(shape->nRows * shape->nCols)) {
        Broken(harness, "an accepted source does not have its table's shape");
    }
    (void)FormatTable(table);
    if (!CheckTable(table, shape->nNumber).empty()) return;
    // What `thermavo-cli tables build` writes, and what the program reads back from it.
    const std::vector<uint8_t> bytes = EncodeTable(table);
    TableData decoded;
    if (!DecodeTable(bytes, *shape, decoded, error)) {
        Broken(harness, "a built data file does not decode: " + error);
    }
    if (EncodeTable(decoded) != bytes || decoded.nRows != table.nRows ||
        decoded.nCols != table.nCols) {
        Broken(harness, "a built data file does not decode to its source's values");
    }
}

void FuzzDatDecode(const uint8_t* data, size_t size) {
    const char* harness = "dat_decode";
    const DataFileShape* shape = ShapeOfFirstByte(data, size);
    if (shape == nullptr) return;
    const std::vector<uint8_t> bytes(data + 1, data + size);
    TableData table;
    std::string error;
    const bool decoded = DecodeTable(bytes, *shape, table, error);
    if (decoded != (bytes.size() == static_cast<size_t>(shape->Bytes()))) {
        Broken(harness, "a file was decoded by other than its size");
    }
    if (!decoded && error.empty()) Broken(harness, "a refused file was given no cause");

    // The same bytes as a file, read as the program reads its reference tables.
    CFuzzEnvironment& environment = Environment();
    const std::string folder = environment.Scratch().string() + "/";
    WriteBytes(folder + DataFileName(shape->nNumber), bytes.data(), bytes.size());
    const std::string installed = g_strInstallDir;
    g_strInstallDir = folder;
    CCountingMessages messages;
    TableData read;
    const bool wasRead = ReadReferenceTable(shape->nNumber, messages, read);
    g_strInstallDir = installed;
    if (!wasRead && messages.count == 0) Broken(harness, "a refused file was not reported");
    if (wasRead && !decoded) Broken(harness, "the reader took a file the decoder refused");

    if (!decoded) return;
    if (EncodeTable(table) != bytes) Broken(harness, "a decoded file does not encode to itself");
    if (wasRead && EncodeTable(read) != bytes) {
        Broken(harness, "the reader's values differ from the file's");
    }
    (void)CheckTable(table, shape->nNumber);
    (void)FormatTable(table);
}

void FuzzDatRecalc(const uint8_t* data, size_t size) {
    const DataFileShape* shape = ShapeOfFirstByte(data, size);
    if (shape == nullptr) return;
    CFuzzEnvironment& environment = Environment();
    const fs::path file = environment.DataFolder() / DataFileName(shape->nNumber);
    WriteBytes(file, data + 1, size - 1);
    {
        CCountingMessages messages;
        auto doc = MakeDoc(messages, environment.Example((data[0] & 0x80) != 0));
        doc->RecalcGeneralData();
        doc->FinishInput();
        Summarize(*doc);
        // The reports, and the total graph and table, which show any component gone wrong.
        DrawKinds(*doc, kPrintedKinds, true);
    }
    const std::vector<uint8_t>& original = environment.Original(shape->nNumber);
    WriteBytes(file, original.data(), original.size());
}

void FuzzJsonProject(const uint8_t* data, size_t size) {
    const char* harness = "json_project";
    const nlohmann::json description = nlohmann::json::parse(data, data + size, nullptr, false);
    if (description.is_discarded()) return;
    CCountingMessages messages;
    auto doc = MakeDoc(messages, Environment().NewProject());
    if (const auto error = ApplyProjectDescription(*doc, description)) {
        if (error->empty()) Broken(harness, "a refused description was given no cause");
        return;
    }
    CheckSaveLoadSave(harness, *doc);
    Summarize(*doc);
    DrawEveryKind(*doc);
}

const std::vector<FuzzTarget>& AllFuzzTargets() {
    static const std::vector<FuzzTarget> targets = {
        {"spc_roundtrip", FuzzSpcRoundtrip},
        {"spc_views", FuzzSpcViews},
        {"options", FuzzOptions},
        {"csv_source", FuzzCsvSource},
        {"dat_decode", FuzzDatDecode},
        {"dat_recalc", FuzzDatRecalc},
        {"json_project", FuzzJsonProject},
    };
    return targets;
}

FuzzEntryPoint FindFuzzTarget(const std::string& name) {
    for (const FuzzTarget& target : AllFuzzTargets()) {
        if (name == target.pszName) return target.entry;
    }
    return nullptr;
}

namespace {

bool WriteSeed(const fs::path& folder, const std::string& name, const std::vector<uint8_t>& bytes,
               std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        error = (folder / name).string() + ": cannot write";
        return false;
    }
    return true;
}

// Byte 0 the file number, then the file.
std::vector<uint8_t> Numbered(int number, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> seed(bytes.size() + 1);
    seed[0] = static_cast<uint8_t>(number);
    std::copy(bytes.begin(), bytes.end(), seed.begin() + 1);
    return seed;
}

}  // namespace

bool WriteFuzzSeeds(const std::string& dir, std::string& error) {
    CFuzzEnvironment& environment = Environment();
    const fs::path root(dir);
    CCountingMessages messages;
    auto doc = MakeDoc(messages, environment.NewProject());
    const std::vector<uint8_t> fresh = SerializeProject(*doc);
    static_cast<CQuarnDocData&>(*doc) = environment.Example(false);
    const std::vector<uint8_t> office = SerializeProject(*doc);
    const std::vector<uint8_t> office27 = SerializeProject(*doc, 27);
    const std::vector<uint8_t> office10 = SerializeProject(*doc, 10);
    static_cast<CQuarnDocData&>(*doc) = environment.Example(true);
    const std::vector<uint8_t> house = SerializeProject(*doc);

    const fs::path source(THERMAVO_SOURCE_DIR);
    const std::vector<uint8_t> officeJson = ReadBytes(source / "examples" / "office.json");
    const std::vector<uint8_t> houseJson = ReadBytes(source / "examples" / "house.json");
    if (officeJson.empty() || houseJson.empty()) {
        error = "the examples are missing";
        return false;
    }
    const std::vector<uint8_t> options16 = {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};

    // Tables the example office reads: glass CLF, latitude correction, roof CLTD, sunlit SHGF
    // and the steam table, one of each kind of table.
    const int csvFiles[] = {1, 12, 33, 75};
    const int datFiles[] = {1, 12, 33, 50, 75};

    bool ok = WriteSeed(root / "spc_roundtrip", "new.Spc", fresh, error) &&
              WriteSeed(root / "spc_roundtrip", "office.Spc", office, error) &&
              WriteSeed(root / "spc_roundtrip", "office-v27.Spc", office27, error) &&
              WriteSeed(root / "spc_roundtrip", "office-v10.Spc", office10, error) &&
              WriteSeed(root / "spc_views", "office.Spc", office, error) &&
              WriteSeed(root / "spc_views", "house.Spc", house, error) &&
              WriteSeed(root / "options", "zeros.cfg", std::vector<uint8_t>(16, 0), error) &&
              WriteSeed(root / "options", "metric-small.cfg", options16, error) &&
              WriteSeed(root / "json_project", "office.json", officeJson, error) &&
              WriteSeed(root / "json_project", "house.json", houseJson, error);
    for (int number : csvFiles) {
        const std::vector<uint8_t> csv =
            ReadBytes(source / "data" / "reference" / DataSourceName(number));
        ok = ok && !csv.empty() &&
             WriteSeed(root / "csv_source", DataSourceName(number), Numbered(number, csv), error);
    }
    for (int number : datFiles) {
        const std::vector<uint8_t>& dat = environment.Original(number);
        ok = ok &&
             WriteSeed(root / "dat_decode", DataFileName(number), Numbered(number, dat), error);
        ok = ok &&
             WriteSeed(root / "dat_recalc", DataFileName(number), Numbered(number, dat), error);
    }
    if (ok) {
        // The house reads the steam table too: the same file, the other example.
        ok = WriteSeed(root / "dat_recalc", "house-" + DataFileName(75),
                       Numbered(75 | 0x80, environment.Original(75)), error);
    }
    if (!ok && error.empty()) error = "a reference data source is missing";
    return ok;
}
