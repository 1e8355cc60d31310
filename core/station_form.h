#pragma once
// The base of the station's windows: a form of the window model that knows its station and the
// groups of the module's state every window uses.

#include "core/databases.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "platform/forms/form.h"

#include <string>

namespace usina {

class StationForm : public forms::Form {
public:
    StationForm(Station& station, std::string name)
        : forms::Form(station.ws(), std::move(name)), st(station), services(station.group<SharedServices>()),
          db(station.group<Databases>()) {}

protected:
    Station& st;
    SharedServices& services;
    Databases& db;
};

} // namespace usina
