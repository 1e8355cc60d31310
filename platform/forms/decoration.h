#pragma once
// Controls that only show something: pictures and images (by resource name), shapes and lines.

#include "control.h"

namespace usina::forms {

class Picture : public Control {
public:
    Picture(Form& form, std::string name, int index = -1, ControlKind kind = ControlKind::Picture)
        : Control(form, kind, std::move(name), index) {
        setTabStop(false);
    }
    // A named image of the program's own resources ("logo", "plant"); empty = none.
    const std::string& picture() const { return picture_; }
    void setPicture(std::string name);

private:
    std::string picture_;
};

class Image : public Picture {
public:
    Image(Form& form, std::string name, int index = -1)
        : Picture(form, std::move(name), index, ControlKind::Image) {}
};

// A rectangle outline (Shape) or a straight line from the geometry's top-left to bottom-right (Line).
class Shape : public Control {
public:
    Shape(Form& form, std::string name, int index = -1, ControlKind kind = ControlKind::Shape)
        : Control(form, kind, std::move(name), index) {
        setTabStop(false);
        setForeColor(colors::black);
    }
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int w) { borderWidth_ = w; }

private:
    int borderWidth_ = 1;
};

class Line : public Shape {
public:
    Line(Form& form, std::string name, int index = -1)
        : Shape(form, std::move(name), index, ControlKind::Line) {}
};

} // namespace usina::forms
