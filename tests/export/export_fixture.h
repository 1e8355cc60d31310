#pragma once
// A started station with the export window open, production records put in with SQL, and the export
// file read back as bytes.

#include "reports/form_datas.h"
#include "tests/station/station_fixture.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace usina::test {

// One of the export window's eight boxes.
using ExportBox = forms::CheckBox FormDatas::*;

class ExportTest : public StationTest {
protected:
    // Starts the station and shows the export window through its registered name.
    FormDatas& openExport();
    // The export window as it is loaded now (loading it when it is not).
    FormDatas& window() { return station->form<FormDatas>(); }

    void tick(std::initializer_list<ExportBox> boxes);
    // Types the range and clicks "Gravar".
    void exportRange(const std::string& from, const std::string& to);

    // A record with the fields named, the others Null.
    void addRecord(const std::string& columns, const std::string& values);
    // Records of 02/03/2026 from 10:01 on, a minute apart, each with "OK".
    void addOkRecords(int count);
    // Records of four days, the first and the last outside 02/03/2026 to 04/03/2026.
    void addFixedRecords();

    std::filesystem::path exportPath() const { return folder / FormDatas::exportFileName; }
    bool exportExists() const { return std::filesystem::exists(exportPath()); }
    std::string exportBytes() const;
    // The file's lines without their CR LF, split into fields.
    std::vector<std::vector<std::string>> exportFields() const;
    void writeExport(const std::string& bytes) const;
    // Files of the program folder other than the databases (and their journals) and the export file.
    std::vector<std::string> strayFiles() const;
};

// The TAB-separated fields of one line.
std::vector<std::string> fieldsOf(const std::string& line);

} // namespace usina::test
