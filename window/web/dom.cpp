// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/dom.h"

#include <emscripten.h>

#include <exception>
#include <memory>
#include <utility>

// The page's side of each step, over window/web/objects.js. Texts come in
// as UTF-8 (UTF8ToString) and go out through plannerTextLength.
// clang-format off
EM_JS(int, js_global, (const char* name), { return plannerHold(self[UTF8ToString(name)]); });
EM_JS(int, js_by_id, (const char* id), {
    return plannerHold(document.getElementById(UTF8ToString(id)));
});
EM_JS(int, js_created, (const char* tag, int svg), {
    return plannerHold(svg ? document.createElementNS("http://www.w3.org/2000/svg", UTF8ToString(tag))
                           : document.createElement(UTF8ToString(tag)));
});
EM_JS(int, js_again, (int h), { return plannerHold(plannerObject(h)); });
EM_JS(void, js_release, (int h), { plannerRelease(h); });
EM_JS(int, js_get, (int h, const char* p), { return plannerHold(plannerObject(h)[UTF8ToString(p)]); });
EM_JS(int, js_at, (int h, int i), { return plannerHold(plannerObject(h)[i]); });
EM_JS(int, js_text, (int h, const char* p), {
    return plannerTextLength(plannerObject(h)[UTF8ToString(p)]);
});
EM_JS(void, js_take_text, (char* to, int size), { stringToUTF8(plannerText, to, size); });
EM_JS(double, js_number, (int h, const char* p), { return Number(plannerObject(h)[UTF8ToString(p)]); });
EM_JS(int, js_flag, (int h, const char* p), { return plannerObject(h)[UTF8ToString(p)] ? 1 : 0; });
EM_JS(void, js_set_text, (int h, const char* p, const char* v), {
    plannerObject(h)[UTF8ToString(p)] = UTF8ToString(v);
});
EM_JS(void, js_set_number, (int h, const char* p, double v), { plannerObject(h)[UTF8ToString(p)] = v; });
EM_JS(void, js_set_flag, (int h, const char* p, int v), { plannerObject(h)[UTF8ToString(p)] = !!v; });
// A method with its texts (count of them, 0 to 2); its result held.
EM_JS(int, js_call, (int h, const char* m, int count, const char* a, const char* b), {
    const texts = [a, b].slice(0, count).map(t => UTF8ToString(t));
    const o = plannerObject(h);
    return plannerHold(o[UTF8ToString(m)](...texts));
});
EM_JS(int, js_call_text, (int h, const char* m, const char* a), {
    return plannerTextLength(plannerObject(h)[UTF8ToString(m)](UTF8ToString(a)));
});
EM_JS(int, js_call_flag, (int h, const char* m, const char* a), {
    return plannerObject(h)[UTF8ToString(m)](UTF8ToString(a)) ? 1 : 0;
});
EM_JS(void, js_call_number, (int h, const char* m, double a), { plannerObject(h)[UTF8ToString(m)](a); });
EM_JS(void, js_set_attribute, (int h, const char* name, double v, const char* unit), {
    plannerObject(h).setAttribute(UTF8ToString(name), v + UTF8ToString(unit));
});
EM_JS(void, js_set_pixels, (int h, const char* p, double v), {
    plannerObject(h).style[UTF8ToString(p)] = v + "px";
});
EM_JS(void, js_set_numbers, (int h, const char* name, const double* xy, int count), {
    plannerObject(h).setAttribute(UTF8ToString(name), HEAPF64.subarray(xy >> 3, (xy >> 3) + count).join(" "));
});
EM_JS(void, js_append, (int h, int child), { plannerObject(h).append(plannerObject(child)); });
EM_JS(int, js_cloned, (int h), { return plannerHold(plannerObject(h).cloneNode(true)); });
EM_JS(void, js_listen, (int h, const char* type, void* listener), {
    plannerObject(h).addEventListener(UTF8ToString(type), event => _planner_event(listener, plannerHold(event)));
});
EM_JS(void, js_when_builder_ready, (void* listener), {
    plannerLoadBuilder().then(() => _planner_event(listener, 0),
                              reason => console.error("The builder's forms could not be loaded:", reason));
});
// The clipboard's text to reader, or 0 where there is none to read.
EM_JS(int, js_read_clipboard, (void* reader), {
    const clipboard = navigator.clipboard;
    if (!clipboard || !clipboard.readText)
        return 0;
    clipboard.readText().then(text => _planner_clipboard(reader, plannerTextLength(text), 1),
                              () => _planner_clipboard(reader, 0, 0));
    return 1;
});
EM_JS(void, js_write_clipboard, (const char* text), {
    if (navigator.clipboard && navigator.clipboard.writeText)
        navigator.clipboard.writeText(UTF8ToString(text)).catch(() => {});
});
EM_JS(void, js_console_error, (const char* line), { console.error(UTF8ToString(line)); });
// clang-format on

namespace planner::web {

namespace {

using Listener = std::function<void(const Object&)>;
using Reader = std::function<void(std::optional<std::string>)>;

// The text plannerTextLength has just measured, length bytes of UTF-8.
std::string taken(int length)
{
    std::string s(std::size_t(length), '\0');
    js_take_text(s.data(), length + 1); // and its terminator, which s has room for
    return s;
}

int held(int handle, const char* method, int count, const std::string& a = {},
         const std::string& b = {})
{
    return js_call(handle, method, count, a.c_str(), b.c_str());
}

} // namespace

Object adopted(int handle)
{
    return Object(handle);
}

Object::~Object()
{
    js_release(handle_);
}

Object::Object(const Object& o) : handle_(js_again(o.handle_)) {}

Object& Object::operator=(const Object& o)
{
    if (this != &o) {
        js_release(handle_);
        handle_ = js_again(o.handle_);
    }
    return *this;
}

Object& Object::operator=(Object&& o) noexcept
{
    std::swap(handle_, o.handle_);
    return *this;
}

Object Object::global(const char* name)
{
    return Object(js_global(name));
}
Object Object::byId(const std::string& id)
{
    return Object(js_by_id(id.c_str()));
}
Object Object::created(const char* tag, bool svg)
{
    return Object(js_created(tag, svg));
}
Object Object::operator[](const char* property) const
{
    return Object(js_get(handle_, property));
}
Object Object::operator[](int index) const
{
    return Object(js_at(handle_, index));
}
std::string Object::text(const char* property) const
{
    return taken(js_text(handle_, property));
}
double Object::number(const char* property) const
{
    return js_number(handle_, property);
}
bool Object::flag(const char* property) const
{
    return js_flag(handle_, property) != 0;
}

void Object::setText(const char* property, const std::string& value) const
{
    js_set_text(handle_, property, value.c_str());
}

void Object::setNumber(const char* property, double value) const
{
    js_set_number(handle_, property, value);
}

void Object::setFlag(const char* property, bool value) const
{
    js_set_flag(handle_, property, value);
}

void Object::call(const char* method) const
{
    js_release(held(handle_, method, 0));
}

void Object::call(const char* method, const std::string& a) const
{
    js_release(held(handle_, method, 1, a));
}

void Object::call(const char* method, const std::string& a, const std::string& b) const
{
    js_release(held(handle_, method, 2, a, b));
}

void Object::call(const char* method, double a) const
{
    js_call_number(handle_, method, a);
}
Object Object::callObject(const char* method) const
{
    return Object(held(handle_, method, 0));
}

Object Object::callObject(const char* method, const std::string& a) const
{
    return Object(held(handle_, method, 1, a));
}

std::string Object::callText(const char* method, const std::string& a) const
{
    return taken(js_call_text(handle_, method, a.c_str()));
}

bool Object::callFlag(const char* method, const std::string& a) const
{
    return js_call_flag(handle_, method, a.c_str()) != 0;
}

void Object::setAttribute(const char* name, double value, const char* unit) const
{
    js_set_attribute(handle_, name, value, unit);
}

void Object::setNumbers(const char* name, const double* xy, int count) const
{
    js_set_numbers(handle_, name, xy, count);
}

void Object::append(const Object& child) const
{
    js_append(handle_, child.handle_);
}
Object Object::cloned() const
{
    return Object(js_cloned(handle_));
}

void setPixels(const Object& e, const char* property, double pixels)
{
    js_set_pixels(e.handle_, property, pixels);
}

void consoleError(const std::string& line)
{
    js_console_error(line.c_str());
}

void entered(const std::function<void()>& f) noexcept
{
    try {
        try {
            f();
        } catch (const std::exception& e) {
            consoleError(e.what());
        } catch (...) {
            consoleError("an exception of unknown type");
        }
    } catch (...) { // the console itself failed: there is nowhere left to say it
    }
}

void listen(const Object& target, const char* type, Listener f)
{
    // The page keeps the listener as long as it lives, and so does this.
    js_listen(target.handle_, type, new Listener(std::move(f)));
}

void whenBuilderReady(std::function<void()> f)
{
    // The listener is kept for as long as the page lives: once is cheap.
    js_when_builder_ready(new Listener([f = std::move(f)](const Object&) { f(); }));
}

void readClipboard(Reader f)
{
    auto reader = std::make_unique<Reader>(std::move(f));
    if (js_read_clipboard(reader.get()))
        reader.release(); // planner_clipboard takes it back
    else
        entered([&] { (*reader)(std::nullopt); });
}

void writeClipboard(const std::string& text)
{
    js_write_clipboard(text.c_str());
}

} // namespace planner::web

// The page's ways in: an event for a listener, the clipboard's text (its
// length, as plannerTextLength measured it) for a reader.
extern "C" {

EMSCRIPTEN_KEEPALIVE void planner_event(void* listener, int event)
{
    const planner::web::Object e = planner::web::adopted(event);
    planner::web::entered([&] { (*static_cast<planner::web::Listener*>(listener))(e); });
}

EMSCRIPTEN_KEEPALIVE void planner_clipboard(void* reader, int length, int read)
{
    const std::unique_ptr<planner::web::Reader> f(static_cast<planner::web::Reader*>(reader));
    planner::web::entered([&] {
        std::optional<std::string> text;
        if (read)
            text = planner::web::taken(length);
        (*f)(std::move(text));
    });
}

} // extern "C"
