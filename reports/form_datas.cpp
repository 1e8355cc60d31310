// The export window's load and unload, its date checks and the export itself.

#include "reports/form_datas.h"

#include "plant/form_ranvikv5.h"
#include "platform/inifile/replace_file.h"
#include "platform/value/conversions.h"
#include "platform/value/text.h"

#include <cerrno>
#include <exception>

namespace usina {

namespace {

// Why the file could not be written, in the operator's words.
const char* writeFailureReason(int systemError) {
    switch (systemError) {
    case EACCES:
    case EPERM:
    case EROFS:
        return "sem permissão para gravar na pasta";
    case ENOSPC:
    case EDQUOT:
        return "disco cheio";
    default:
        return "falha de gravação no disco";
    }
}

// The hourglass and a disabled "Gravar" while the export runs; both come back however it ends. The
// progress text stays unless the export broke off with an error.
class ExportInProgress {
public:
    ExportInProgress(forms::WindowSystem& ws, FormDatas& window) : ws_(ws), window_(window) {
        ws_.setMousePointer(forms::MousePointer::Hourglass);
        window_.CmdGravar.setEnabled(false);
    }
    ~ExportInProgress() {
        if (ws_.ended()) {
            return;
        }
        ws_.setMousePointer(forms::MousePointer::Default);
        if (window_.isLoaded()) {
            window_.CmdGravar.setEnabled(true);
            if (!keepStatus_) {
                window_.LblStatus.setCaption("");
            }
        }
    }
    ExportInProgress(const ExportInProgress&) = delete;
    ExportInProgress& operator=(const ExportInProgress&) = delete;
    void keepStatus() { keepStatus_ = true; }

private:
    forms::WindowSystem& ws_;
    FormDatas& window_;
    bool keepStatus_ = false;
};

} // namespace

std::filesystem::path FormDatas::exportFile() const {
    return st.programFolder() / exportFileName;
}

void FormDatas::Form_Load() {
    services.RunTrapped(name(), "Formload", [this] {
        services.TranslateForm(*this);
        const std::string today = shortDate(st.clock().today());
        Txtdat1.setText(today);
        Txtdat2.setText(today);
        pauseMainWindow();
    });
}

void FormDatas::Form_Unload(int& Cancel) {
    (void)Cancel;
    services.RunTrapped(name(), "Formunload", [this] { resumeMainWindow(); });
}

// The main window stays readable but takes no input, and polls nothing, while this window is loaded.
void FormDatas::pauseMainWindow() {
    FormRanvikv5& main = st.form<FormRanvikv5>();
    main.TimerX.setEnabled(false);
    main.setEnabled(false);
}

void FormDatas::resumeMainWindow() {
    if (FormRanvikv5* main = st.ws().peek<FormRanvikv5>()) {
        main->TimerX.setEnabled(true);
        main->setEnabled(true);
    }
}

void FormDatas::Txtdat1_LostFocus() {
    checkDateBox(Txtdat1);
}

void FormDatas::Txtdat2_LostFocus() {
    checkDateBox(Txtdat2);
}

// The focus stays where it went; the box is emptied.
void FormDatas::checkDateBox(forms::TextBox& box) {
    if (!dateIn(box)) {
        services.ShowOccurrence(services.TranslateText("Data invalida"));
        st.ws().beep();
        box.setText("");
    }
}

std::optional<Date> FormDatas::dateIn(const forms::TextBox& box) const {
    return parseDate(box.text(), st.clock().today());
}

// "Gravar" on an empty or unusable date runs nothing: the box says why and takes the focus.
void FormDatas::refuseDate(forms::TextBox& box) {
    services.ShowOccurrence(services.TranslateText("Data invalida"));
    st.ws().beep();
    box.setText("");
    box.SetFocus();
}

void FormDatas::CmdGravar_Click() {
    const std::optional<Date> start = dateIn(Txtdat1);
    const std::optional<Date> end = dateIn(Txtdat2);
    if (!start) {
        refuseDate(Txtdat1);
        return;
    }
    if (!end) {
        refuseDate(Txtdat2);
        return;
    }
    Outcome outcome = Outcome::Failed;
    {
        ExportInProgress running(st.ws(), *this);
        outcome = exportRange(*start, *end);
        running.keepStatus();
    }
    if (outcome == Outcome::Written) {
        Unload();
    }
}

// One pass over the records, each line built and written at once; pending events run before every
// record, so the other windows and timers stay live. Closing the window meanwhile stops the export,
// and the file stays as the last export left it, as it does when the new one cannot be written.
FormDatas::Outcome FormDatas::exportRange(Date start, Date end) {
    st.ws().doEvents();
    if (!isLoaded()) {
        services.ShowOccurrence(services.TranslateText("Gravação interrompida."));
        return Outcome::Abandoned;
    }
    LblStatus.setCaption("Selecionando os registros ...  Aguarde.");
    const ExportBoxes boxes = readBoxes();
    openRecords(boxes, start, end);
    ExportLayout layout(boxes, link.HasFiveTemperatures, QueryRecordset);
    inifile::removeLeftoverTemporaries(exportFile());
    inifile::FileReplacement file(exportFile());
    writeLine(file, layout.header());
    std::string line;
    while (!QueryRecordset.eof() && file.failure() == 0) {
        st.ws().doEvents();
        if (!isLoaded()) {
            QueryRecordset.close();
            services.ShowOccurrence(services.TranslateText("Gravação interrompida."));
            return Outcome::Abandoned;
        }
        if (layout.buildLine(line, readBoxes())) {
            writeLine(file, line);
        }
        QueryRecordset.moveNext();
    }
    QueryRecordset.close();
    if (!file.commit()) {
        reportWriteFailure(file.failure());
        return Outcome::Failed;
    }
    services.ShowOccurrence(services.TranslateText("A gravação foi realizada!"));
    return Outcome::Written;
}

ExportBoxes FormDatas::readBoxes() const {
    ExportBoxes boxes;
    boxes.percent = ChkPercent.value() == 1;
    boxes.mix = ChkReceita.value() == 1;
    boxes.weights = ChkPeso.value() == 1;
    boxes.speeds = ChkVeloc.value() == 1;
    boxes.partials = ChkParc.value() == 1;
    boxes.asphalt = ChkCAP.value() == 1;
    boxes.temperatures = ChkTemp.value() == 1;
    boxes.faults = ChkFalha.value() == 1;
    return boxes;
}

void FormDatas::openRecords(const ExportBoxes& boxes, Date start, Date end) {
    QueryRecordset.open(st.programFolder() / "datranvik.mdb", ExportLayout::selection(boxes),
                        {Value(start), Value(end)});
}

// The file is in the code page spreadsheets on the plant's PCs read, with CR LF line ends.
void FormDatas::writeLine(inifile::FileReplacement& file, const std::string& line) {
    encoded_.clear();
    appendWindows1252(encoded_, line);
    encoded_ += "\r\n";
    file.write(encoded_);
}

// The window stays open with the reason, so the operator can free the disk or close it.
void FormDatas::reportWriteFailure(int systemError) {
    const std::string reason = services.TranslateText(writeFailureReason(systemError));
    const std::string message = services.TranslateText("Arquivo não gravado:") + " " + reason;
    LblStatus.setCaption(message);
    services.ShowOccurrence(message);
    services.LogError(systemError,
                      "Não foi possível gravar " + exportFile().string() + ": " +
                          writeFailureReason(systemError),
                      name(), "CmdGravar_Click");
}

} // namespace usina
