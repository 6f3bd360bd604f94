// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The few things the web view does to the page, and the one way in from
// the browser: a small bridge of our own (window/web/objects.js holds the
// page's side), which costs the module a few hundred bytes where a general
// binding costs it tens of kilobytes. Styles go through the element's
// style object, never a style attribute, which the page's
// Content-Security-Policy refuses.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace planner::web {

// One of the page's objects (an element, an event, the window), held for
// as long as this is: a copy holds it again, the last one lets it go. A
// missing one (null or undefined) is held as none. Example:
// Object::byId("window")["firstChild"].setText("textContent", "Hello").
class Object {
public:
    Object() = default; // none
    ~Object();
    Object(const Object& o);
    Object& operator=(const Object& o);
    Object(Object&& o) noexcept : handle_(o.handle_) { o.handle_ = 0; }
    Object& operator=(Object&& o) noexcept;

    // A global by its name: Object::global("navigator").
    static Object global(const char* name);
    // The page's element of that id, or none.
    static Object byId(const std::string& id);
    // A new element of the page's document: "div", or "svg" in SVG's
    // namespace.
    static Object created(const char* tag, bool svg = false);

    bool none() const { return handle_ == 0; }

    // A property, as an object, a text (none is ""), a number or a truth.
    Object operator[](const char* property) const;
    Object operator[](int index) const;
    std::string text(const char* property) const;
    double number(const char* property) const;
    bool flag(const char* property) const;
    void setText(const char* property, const std::string& value) const;
    void setNumber(const char* property, double value) const;
    void setFlag(const char* property, bool value) const;

    // A method with no, one or two texts, or one number, its result
    // dropped: call("setAttribute", "hidden", "").
    void call(const char* method) const;
    void call(const char* method, const std::string& a) const;
    void call(const char* method, const std::string& a, const std::string& b) const;
    void call(const char* method, double a) const;
    // A method's result: callObject("querySelectorAll", "input"),
    // callText("getData", "text"), callFlag("hasAttribute", "hidden").
    Object callObject(const char* method) const;
    Object callObject(const char* method, const std::string& a) const;
    std::string callText(const char* method, const std::string& a) const;
    bool callFlag(const char* method, const std::string& a) const;

    // An attribute a number, written as JavaScript writes it (0.5, 12,
    // 1e-7), and its unit: setAttribute("x", 0.5) is x="0.5",
    // setAttribute("width", 8.5, "in") is width="8.5in".
    void setAttribute(const char* name, double value, const char* unit = "") const;
    // An attribute the count numbers from `numbers` apart by blanks, as
    // JavaScript writes them: setNumbers("points", {1, 2, 3.5, 4}, 4) is
    // points="1 2 3.5 4".
    void setNumbers(const char* name, const double* numbers, int count) const;
    void append(const Object& child) const;
    // A deep copy of the element, not yet in the page.
    Object cloned() const;

private:
    explicit Object(int handle) : handle_(handle) {}
    friend Object adopted(int handle);
    friend void setPixels(const Object&, const char*, double);
    friend void listen(const Object&, const char*, std::function<void(const Object&)>);
    int handle_ = 0;
};

// Sets a length in CSS pixels: setPixels(e, "top", 16.5) is top: 16.5px.
void setPixels(const Object& e, const char* property, double pixels);

// Writes a line to the browser's console as an error.
void consoleError(const std::string& line);

// Every entry from the browser into the planner, an event or a timer, runs
// through here: whatever f throws stays here, and its text goes to the
// console. Example: entered([] { throw std::bad_alloc(); }) logs
// "std::bad_alloc" and returns.
void entered(const std::function<void()>& f) noexcept;

// Calls f, through entered(), with each event of type on target, for as
// long as the page lives; f's closure holds whatever it acts on: nothing
// is exported by name or read back from the page.
void listen(const Object& target, const char* type, std::function<void(const Object& event)> f);

// Calls f, through entered(), once the code that only the builder's forms
// run is ready: at once where it is part of the module, else when its part
// (window/web/deferred.js) has been fetched and compiled; never where that
// fails, which the console says.
void whenBuilderReady(std::function<void()> f);

// The clipboard's text to f, through entered(), or none where the browser
// has no clipboard to read or the user does not allow it.
void readClipboard(std::function<void(std::optional<std::string> text)> f);
// The text to the clipboard, where the browser lets a page write it.
void writeClipboard(const std::string& text);

} // namespace planner::web
