// Translation of texts and windows through the table of interface texts.

#include "core/databases.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"
#include "platform/value/conversions.h"

namespace usina {

SharedServices::SharedServices(Station& station) : st(station), db(station.group<Databases>()) {}

std::string SharedServices::TranslateText(const std::string& text) {
    if (text.empty()) {
        return "";
    }
    db.LanguageRecordset.seek(Value(text));
    if (db.LanguageRecordset.eof()) {
        return "######";
    }
    const Value translated = db.LanguageRecordset.field(LanguageColumn);
    if (translated.isNull()) {
        return "naotem";
    }
    return toText(translated);
}

void SharedServices::TranslateForm(forms::Form& form) {
    form.setCaption(TranslateText(form.caption()));
    // A copy: a Change handler may add or remove nothing, but the walk must not depend on it.
    const std::vector<forms::Control*> controls = form.controls();
    for (forms::Control* c : controls) {
        switch (c->kind()) {
        case forms::ControlKind::TextBox: {
            auto* box = static_cast<forms::TextBox*>(c);
            box->setText(TranslateText(box->text()));
            break;
        }
        case forms::ControlKind::Label: {
            auto* label = static_cast<forms::Label*>(c);
            label->setCaption(TranslateText(label->caption()));
            break;
        }
        case forms::ControlKind::Frame: {
            auto* frame = static_cast<forms::Frame*>(c);
            frame->setCaption(TranslateText(frame->caption()));
            break;
        }
        case forms::ControlKind::CheckBox: {
            auto* box = static_cast<forms::CheckBox*>(c);
            box->setCaption(TranslateText(box->caption()));
            break;
        }
        case forms::ControlKind::CommandButton: {
            auto* button = static_cast<forms::CommandButton*>(c);
            button->setCaption(TranslateText(button->caption()));
            break;
        }
        default:
            break;
        }
    }
}

} // namespace usina
