#pragma once
// The base of the station's windows: a form of the window model that knows its station and module.

#include "core/station.h"
#include "platform/forms/form.h"

#include <string>

namespace usina {

class StationForm : public forms::Form {
public:
    StationForm(Station& station, std::string name)
        : forms::Form(station.ws(), std::move(name)), st(station), m(station.m) {}

protected:
    Station& st;
    Module1& m;
};

} // namespace usina
