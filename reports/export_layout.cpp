#include "reports/export_layout.h"

#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"

#include <algorithm>

namespace usina {

namespace {

using Column = ExportLayout::Column;
using Shown = ExportLayout::Shown;

constexpr const char* shares = "##0.0";
constexpr const char* moisture = "#0.0";
constexpr const char* tons = "######0.0";

// "silo1" to "silo5" over `silo1` to `silo5`, and the like: headers and fields numbered 1 to `count`.
void addRun(std::vector<Column>& columns, const std::string& header, const std::string& field,
            const char* mask, int count = 5) {
    for (int n = 1; n <= count; ++n) {
        columns.push_back({header + std::to_string(n), field + std::to_string(n), Shown::Masked, mask});
    }
}

void addBase(std::vector<Column>& columns) {
    columns.push_back({"fase", "fase", Shown::AsStored});
    columns.push_back({"Data", "DATA", Shown::ShortDate});
    columns.push_back({"Hora", "hora", Shown::AsStored});
    columns.push_back({"Receita", "receita", Shown::AsStored});
    columns.push_back({"Producao", "producao", Shown::AsStored});
    columns.push_back({"Parcial", "parcial", Shown::Masked, "###0.0"});
    columns.push_back({"Diario", "diaria", Shown::Masked, tons});
    columns.push_back({"Total", "total", Shown::Masked, tons});
}

// The groups follow the base columns in this order, whatever the order the boxes were ticked in.
std::vector<Column> generalColumnsOf(const ExportBoxes& boxes, bool fiveTemperatures) {
    std::vector<Column> columns;
    addBase(columns);
    if (boxes.percent) {
        addRun(columns, "silo", "silo", shares);
        addRun(columns, "Umid s", "h_silo", moisture);
        columns.push_back({"CAP", "asfalto", Shown::Masked, tons});
        columns.push_back({"filler", "filler", Shown::Masked, tons});
    }
    if (boxes.mix) {
        // The first header has its blank, as the file always had it.
        columns.push_back({" Mat.s1", "sil1", Shown::AsStored});
        for (int n = 2; n <= 5; ++n) {
            columns.push_back({"Mat.s" + std::to_string(n), "sil" + std::to_string(n), Shown::AsStored});
        }
        // With "%" the shares are in its group already.
        if (!boxes.percent) {
            addRun(columns, "silo", "silo", shares);
        }
    }
    if (boxes.weights) {
        addRun(columns, "peso s", "p_silo", shares);
    }
    if (boxes.speeds) {
        addRun(columns, "veloc s", "vel_s", shares);
    }
    if (boxes.partials) {
        addRun(columns, "tot s", "tot_s", tons);
        columns.push_back({"par(CAP)", "par_asf", Shown::Masked, tons});
        columns.push_back({"par(filler)", "par_fil", Shown::Masked, tons});
    }
    if (boxes.asphalt && !boxes.percent) {
        columns.push_back({"cap", "asfalto", Shown::Masked, tons});
    }
    if (boxes.temperatures) {
        addRun(columns, "Temp ", "Temp", "##0", fiveTemperatures ? 5 : 3);
    }
    if (boxes.faults && boxes.anyButFaults()) {
        columns.push_back({"Ocorrênc", "Ocorrencias", Shown::AsStored});
        columns.push_back({"Ocor2", "", Shown::Nothing});
    }
    return columns;
}

std::vector<Column> faultsColumnsOf() {
    return {
        {"Usuario", "usuario", Shown::AsStored}, {"fase", "fase", Shown::AsStored},
        {"Data", "DATA", Shown::DayMonthYear},   {"Hora", "hora", Shown::AsStored},
        {"Receita", "receita", Shown::AsStored}, {"Producao", "producao", Shown::AsStored},
        {"Parcial", "parcial", Shown::AsStored}, {"Diario", "diaria", Shown::AsStored},
        {"Total", "total", Shown::AsStored},     {"Ocorrência", "Ocorrencias", Shown::AsStored},
    };
}

std::string headerOf(const std::vector<Column>& columns) {
    std::string header;
    for (const Column& column : columns) {
        if (!header.empty()) {
            header += '\t';
        }
        header += column.header;
    }
    return header;
}

// The file has no quoting: a TAB or a line break inside a text would shift the columns or split the
// record, so it becomes a blank.
void appendField(std::string& line, std::string_view text) {
    const std::size_t from = line.size();
    line.append(text);
    std::replace_if(
        line.begin() + static_cast<std::ptrdiff_t>(from), line.end(),
        [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
}

// A Null (or a field never written) gives an empty field.
void appendValue(std::string& line, const Value& value, const Column& column) {
    if (value.isNull() || value.isEmpty()) {
        return;
    }
    switch (column.shown) {
    case Shown::AsStored:
        if (value.isText()) {
            appendField(line, value.text());
        } else {
            appendField(line, toText(value));
        }
        return;
    case Shown::Masked:
        if (value.isNumber() && column.numberFormat) {
            column.numberFormat->appendTo(line, value.number());
        } else {
            appendField(line, format(value, column.mask));
        }
        return;
    case Shown::ShortDate:
        appendField(line, value.isDate() ? shortDate(value.date()) : toText(value));
        return;
    case Shown::DayMonthYear:
        appendField(line, value.isDate() ? formatDate(value.date(), "dd/mm/yy") : toText(value));
        return;
    case Shown::Nothing:
        return;
    }
}

} // namespace

ExportLayout::ExportLayout(const ExportBoxes& boxesAtStart, bool fiveTemperatures,
                           const store::QueryRecordset& records)
    : records_(records), occurrencePlace_(records.columnOf("Ocorrencias")),
      faultsOnly_(boxesAtStart.faultsOnly()), fiveTemperatures_(fiveTemperatures),
      // Only the chosen layout's columns: the query brings only their fields.
      faultsColumns_(faultsOnly_ ? placed(faultsColumnsOf()) : std::vector<Column>{}),
      columnsBoxes_(boxesAtStart),
      columns_(faultsOnly_ ? std::vector<Column>{}
                           : placed(generalColumnsOf(boxesAtStart, fiveTemperatures))) {
    header_ = headerOf(faultsOnly_ ? faultsColumns_ : columns_);
}

std::vector<Column> ExportLayout::placed(std::vector<Column> columns) const {
    for (Column& column : columns) {
        if (column.shown != Shown::Nothing) {
            column.place = records_.columnOf(column.field);
        }
        if (column.shown == Shown::Masked) {
            column.numberFormat.emplace(column.mask);
        }
    }
    return columns;
}

std::string ExportLayout::selection(const ExportBoxes& boxesAtStart) {
    const std::vector<Column> columns =
        boxesAtStart.faultsOnly()
            ? faultsColumnsOf()
            : generalColumnsOf(ExportBoxes{true, true, true, true, true, true, true, true}, true);
    std::vector<std::string> fields;
    std::string list;
    for (const Column& column : columns) {
        if (column.shown != Shown::Nothing &&
            std::find(fields.begin(), fields.end(), column.field) == fields.end()) {
            fields.push_back(column.field);
            list += (list.empty() ? "\"" : ", \"") + column.field + "\"";
        }
    }
    return "SELECT " + list + " FROM Tabela WHERE DATA >= ? AND DATA <= ? ORDER BY DATA, hora";
}

const std::vector<Column>& ExportLayout::generalColumns(const ExportBoxes& boxes) {
    if (!(boxes == columnsBoxes_)) {
        columnsBoxes_ = boxes;
        columns_ = placed(generalColumnsOf(boxes, fiveTemperatures_));
    }
    return columns_;
}

void ExportLayout::appendColumns(std::string& line, const std::vector<Column>& columns) const {
    line.clear();
    bool first = true;
    for (const Column& column : columns) {
        if (!first) {
            line += '\t';
        }
        first = false;
        if (column.shown != Shown::Nothing) {
            appendValue(line, records_.fieldAt(column.place), column);
        }
    }
}

bool ExportLayout::buildLine(std::string& line, const ExportBoxes& boxesNow) {
    if (faultsOnly_) {
        const Value& occurrence = records_.fieldAt(occurrencePlace_);
        if (occurrence.isNull() || occurrence.isEmpty() || toText(occurrence) == "OK") {
            return false;
        }
        appendColumns(line, faultsColumns_);
        return true;
    }
    appendColumns(line, generalColumns(boxesNow));
    return true;
}

} // namespace usina
