#include "access/form_usuario.h"

#include "access/passwords.h"
#include "core/design.h"
#include "platform/store/key_order/key_order.h"
#include "platform/value/conversions.h"

namespace usina {

using design::captioned;
using design::place;

namespace {

bool isLevelKey(int key) {
    return key == '1' || key == '2' || key == '3' || key == ',' || key == 13 || key == 8;
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// Every spelling the key finds the built-in user by ("KREMO", "Kremo") names him.
bool namesProtectedUser(const std::string& name) {
    return store::compareKeys(name, FormUsuario::protectedName) == 0;
}

} // namespace

FormUsuario::FormUsuario(Station& station) : UsersForm(station, "FormUsuario") {
    setCaption("Usuário");
    layOut();
    wireHandlers();
}

void FormUsuario::layOut() {
    setClientSize(336, 120);
    captioned(Label1, nullptr, 16, 14, 200, 17, "Selecionar Usuário");
    place(txtusuario, nullptr, 16, 34, 200, 21);
    captioned(Label2, nullptr, 232, 14, 88, 17, "Poder");
    place(Txtpoder, nullptr, 232, 34, 88, 21);
    captioned(Cmdincluir, nullptr, 16, 76, 96, 27, "Incluir");
    captioned(Cmdalterar, nullptr, 120, 76, 96, 27, "Alterar");
    captioned(Cmddeletar, nullptr, 224, 76, 96, 27, "Deletar");
}

void FormUsuario::wireHandlers() {
    txtusuario.Click = [this] { txtusuario_Click(); };
    Txtpoder.KeyPress = [this](int& k) { Txtpoder_KeyPress(k); };
    Cmdincluir.Click = [this] { Cmdincluir_Click(); };
    Cmdalterar.Click = [this] { Cmdalterar_Click(); };
    Cmddeletar.Click = [this] { Cmddeletar_Click(); };
}

void FormUsuario::Form_Load() {
    services.TranslateForm(*this);
    fillUserList();
}

// An empty table (every user deleted by hand) leaves the boxes empty.
void FormUsuario::fillUserList() {
    txtusuario.clear();
    Txtpoder.setText("");
    auto& table = db.UsersRecordset;
    table.moveFirst();
    if (table.eof()) {
        return;
    }
    txtusuario.setText(toText(table.field("login1")));
    Value level = table.field("permissao");
    Txtpoder.setText(toText(services.NullToEmpty(level)));
    for (; !table.eof(); table.moveNext()) {
        txtusuario.addItem(toText(table.field("login1")));
    }
}

void FormUsuario::txtusuario_Click() {
    if (!seekUser(txtusuario.text())) {
        refuse("Login Invalido");
        return;
    }
    Value level = db.UsersRecordset.field("permissao");
    Txtpoder.setText(toText(services.NullToEmpty(level)));
}

void FormUsuario::Txtpoder_KeyPress(int& KeyAscii) {
    if (!isLevelKey(KeyAscii)) {
        KeyAscii = 0;
        refuse("Poder deve ser de 1 a 3 ");
    }
}

bool FormUsuario::userIsComplete() {
    if (isBlank(txtusuario.text())) {
        refuse("Usuário em branco");
        return false;
    }
    const std::string& level = Txtpoder.text();
    if (level != "1" && level != "2" && level != "3") {
        refuse("Poder deve ser de 1 a 3 ");
        return false;
    }
    return true;
}

void FormUsuario::writeUserRow(const std::string& name) {
    auto& table = db.UsersRecordset;
    table("login1") = Value(name);
    table("permissao") = Value(Txtpoder.text());
    table("senha1") = Value(HashPassword(name));
    table.update();
}

void FormUsuario::Cmdincluir_Click() {
    if (!userIsComplete()) {
        return;
    }
    const std::string name = txtusuario.text();
    if (seekUser(name)) {
        refuse("Usuário já existe");
        return;
    }
    db.UsersRecordset.addNew();
    writeUserRow(name);
    fillUserList();
}

// Altering a user also gives him his user name back as his password. The built-in user keeps his name as
// stored, whatever spelling found him.
void FormUsuario::Cmdalterar_Click() {
    if (!userIsComplete()) {
        return;
    }
    const std::string typed = txtusuario.text();
    if (!seekUser(typed)) {
        refuse("Usuário não existe");
        return;
    }
    writeUserRow(namesProtectedUser(typed) ? toText(db.UsersRecordset.field("login1")) : typed);
    fillUserList();
}

// Deleting the built-in user would leave the plant without its one sure level-3 user.
void FormUsuario::Cmddeletar_Click() {
    const std::string name = txtusuario.text();
    if (namesProtectedUser(name)) {
        tell("Não pode excluir kremo");
        return;
    }
    if (!seekUser(name)) {
        refuse("Login Invalido");
        return;
    }
    db.UsersRecordset.deleteCurrent();
    db.UsersRecordset.update();
    fillUserList();
}

} // namespace usina
