#pragma once
// The columns of the export file: the general layout (eight base columns, then one group per ticked
// box, always in the same order) and the faults-only layout ("Falhas" alone: the records that carry a
// message). Headers and values are UTF-8 here; the file's code page is the writer's business.

#include "platform/store/query_recordset.h"
#include "platform/value/format_mask.h"

#include <optional>
#include <string>
#include <vector>

namespace usina {

// The eight boxes of the export window as they are ticked at one moment.
struct ExportBoxes {
    bool percent = false;      // "%"
    bool mix = false;          // "Traço"
    bool weights = false;      // "Pesos"
    bool speeds = false;       // "Velocidades"
    bool partials = false;     // "Parcial"
    bool asphalt = false;      // "CAP"
    bool temperatures = false; // "Temperaturas"
    bool faults = false;       // "Falhas"

    bool anyButFaults() const {
        return percent || mix || weights || speeds || partials || asphalt || temperatures;
    }
    // "Falhas" alone chooses the faults-only file; every other combination, none included, the general one.
    bool faultsOnly() const { return faults && !anyButFaults(); }
    bool operator==(const ExportBoxes&) const = default;
};

class ExportLayout {
public:
    // The layout is chosen from the boxes at the start of the export; `fiveTemperatures` says how many
    // temperature columns the plant has. The lines are built from the current row of `records`, whose
    // columns are found once here.
    ExportLayout(const ExportBoxes& boxesAtStart, bool fiveTemperatures,
                 const store::QueryRecordset& records);

    // The SELECT of the records of a date range (two parameters, both dates inclusive), in date and
    // time order, with the fields a file of the layout that `boxesAtStart` choose may read, whatever
    // boxes are ticked while it is written.
    static std::string selection(const ExportBoxes& boxesAtStart);

    bool faultsOnly() const { return faultsOnly_; }
    // The header line's fields, TAB-separated, from the boxes at the start.
    const std::string& header() const { return header_; }
    // Puts the current record's line into `line` (its fields TAB-separated, no line end). In the general
    // layout the groups are those of `boxesNow`, the boxes as they are ticked while this record is
    // written. False when the faults-only file leaves the record out (its message is "OK" or Null).
    bool buildLine(std::string& line, const ExportBoxes& boxesNow);

    // How a column shows its field.
    enum class Shown { AsStored, Masked, ShortDate, DayMonthYear, Nothing };
    struct Column {
        std::string header;
        std::string field;
        Shown shown = Shown::AsStored;
        const char* mask = "";
        // The field's place in the result, and the mask read once.
        std::size_t place = 0;
        std::optional<NumberFormat> numberFormat = std::nullopt;
    };

private:
    const std::vector<Column>& generalColumns(const ExportBoxes& boxes);
    std::vector<Column> placed(std::vector<Column> columns) const;
    void appendColumns(std::string& line, const std::vector<Column>& columns) const;

    const store::QueryRecordset& records_;
    std::size_t occurrencePlace_;
    bool faultsOnly_;
    bool fiveTemperatures_;
    std::string header_;
    std::vector<Column> faultsColumns_;
    // The general columns of the boxes seen last: rebuilt only when a box changes during the export.
    ExportBoxes columnsBoxes_;
    std::vector<Column> columns_;
};

} // namespace usina
