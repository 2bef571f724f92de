#include "HostScript.h"

#include "Conversions.h"
#include "PlugInMembers.h"
#include "Settings.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

namespace Quiverstep {

namespace {

std::vector<std::string> words(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

std::int32_t wholeNumber(const std::string &text)
{
    std::int32_t value = 0;
    const char *first = text.data() + (text.starts_with('+') ? 1 : 0);
    const char *last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
        throw ScriptError("not a whole number: " + text);
    return value;
}

double realNumber(const std::string &text)
{
    try {
        return StrictNumber(text);
    } catch (const std::exception &) {
        throw ScriptError("not a number: " + text);
    }
}

bool flag(const std::string &text)
{
    try {
        return StrictFlag(text);
    } catch (const std::exception &) {
        throw ScriptError("not True or False: " + text);
    }
}

// Messages are one line each: CR LF becomes " | ".
std::string oneLine(const std::string &text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            result += " | ";
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

CameraValue cameraValue(const std::string &text)
{
    try {
        return StrictNumber(text);
    } catch (const std::exception &) {
    }
    const std::string upper = ToUpper(text);
    if (upper == "TRUE")
        return true;
    if (upper == "FALSE")
        return false;
    return text;
}

std::string trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

} // namespace

HostScript::HostScript(SettingsStore &store,
                       Clock &clock,
                       TextFileSystem &files,
                       UserPaths &paths,
                       ProcessState &process,
                       std::ostream &out)
    : m_store(store)
    , m_out(out)
    , m_cameras([this](const std::string &line) { m_out << line << '\n'; })
    , m_ui([this](const std::string &text) { m_out << "message: " << oneLine(text) << '\n'; })
    , m_environment{store, m_cameras, m_ui, clock, process.random, files, paths, process}
    , m_plugIn(std::make_unique<DitherPlugIn>(m_environment))
{}

int HostScript::Run(std::istream &in, std::ostream &err)
{
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        try {
            RunLine(line);
        } catch (const ScriptError &e) {
            m_out.flush();
            err << "error: line " << number << ": " << e.what() << '\n';
            return 2;
        }
    }
    return 0;
}

void HostScript::RunLine(const std::string &rawLine)
{
    std::string line = rawLine;
    if (line.ends_with('\r'))
        line.pop_back();
    const std::string text = trimmed(line);
    if (text.empty() || text.starts_with('#'))
        return;
    const std::vector<std::string> w = words(text);
    // A line of other blanks alone (a carriage return, a form feed) is empty too.
    if (w.empty())
        return;
    const std::string &command = w[0];
    const std::string rest = trimmed(text.substr(command.size()));

    if (command == "want") {
        if (w.size() != 2)
            throw ScriptError("want takes one event number");
        const std::int32_t which = wholeNumber(w[1]);
        const std::int32_t answer = m_plugIn->WantEvent(which);
        m_out << "WantEvent(" << which << ") = " << answer << '\n';
    } else if (command == "event") {
        if (w.size() != 3)
            throw ScriptError("event takes an event number and a camera number");
        const std::int32_t which = wholeNumber(w[1]);
        const std::int32_t camera = wholeNumber(w[2]);
        m_plugIn->CameraEvent(which, camera, "", 0, 0);
    } else if (command == "set") {
        if (w.size() != 3)
            throw ScriptError("set takes a member and a value");
        set(w[1], w[2]);
    } else if (command == "get") {
        if (w.size() != 2)
            throw ScriptError("get takes a member");
        get(w[1]);
    } else if (command == "camera") {
        camera(rest);
    } else if (command == "store") {
        storeCommand(rest);
    } else if (command == "new") {
        if (w.size() != 1)
            throw ScriptError("new takes nothing");
        m_plugIn.reset();
        m_plugIn = std::make_unique<DitherPlugIn>(m_environment);
    } else {
        throw ScriptError("unknown command: " + command);
    }
}

void HostScript::set(const std::string &member, const std::string &value)
{
    const PlugInMember *which = FindPlugInMember(member);
    if (!which || !which->write)
        throw ScriptError("no member to set: " + member);
    switch (which->type) {
    case MemberType::Double:
        which->write(*m_plugIn, realNumber(value));
        break;
    case MemberType::Boolean:
        which->write(*m_plugIn, flag(value));
        break;
    case MemberType::Integer: {
        const std::int32_t number = wholeNumber(value);
        if (number < -32768 || number > 32767)
            throw ScriptError("not a 16-bit number: " + value);
        which->write(*m_plugIn, double(number));
        break;
    }
    case MemberType::String:
        which->write(*m_plugIn, value);
        break;
    }
}

void HostScript::get(const std::string &member)
{
    const PlugInMember *which = FindPlugInMember(member);
    if (!which)
        throw ScriptError("no member to get: " + member);
    const CameraValue value = which->read(*m_plugIn);
    const std::string shown = which->type == MemberType::Integer
                                      ? IntegerToText(std::int64_t(std::get<double>(value)))
                                      : CameraText(value);
    m_out << which->name << " = " << shown << '\n';
}

void HostScript::camera(const std::string &rest)
{
    const std::vector<std::string> w = words(rest);
    if (w.empty())
        throw ScriptError("camera needs NAME=VALUE, absent, present or fail NAME");
    if (w.size() == 1 && w[0] == "absent") {
        m_cameras.SetAbsent(true);
    } else if (w.size() == 1 && w[0] == "present") {
        m_cameras.SetAbsent(false);
    } else if (w[0] == "fail") {
        if (w.size() != 2)
            throw ScriptError("camera fail takes one member name");
        m_cameras.FailMember(w[1]);
    } else {
        // Check every pair before setting any, so a bad line changes nothing.
        std::vector<std::pair<std::string, CameraValue>> values;
        for (const std::string &pair : w) {
            const std::size_t equals = pair.find('=');
            if (equals == std::string::npos || equals == 0)
                throw ScriptError("expected NAME=VALUE: " + pair);
            values.emplace_back(pair.substr(0, equals), cameraValue(pair.substr(equals + 1)));
        }
        for (auto &[name, value] : values)
            m_cameras.SetValue(name, value);
    }
}

void HostScript::storeCommand(const std::string &rest)
{
    const Settings settings(m_store);
    if (rest.starts_with("set ")) {
        const std::string assignment = rest.substr(4);
        std::size_t equals = assignment.find(" = ");
        std::string key, value;
        if (equals != std::string::npos) {
            key = assignment.substr(0, equals);
            value = assignment.substr(equals + 3);
        } else if (assignment.ends_with(" =")) {
            key = assignment.substr(0, assignment.size() - 2); // an empty value
        } else {
            throw ScriptError("expected store set KEY = VALUE");
        }
        key = trimmed(key);
        if (key.empty())
            throw ScriptError("store set needs a key");
        settings.Save(key, value);
    } else if (rest.starts_with("get ")) {
        const std::string key = trimmed(rest.substr(4));
        if (key.empty())
            throw ScriptError("store get needs a key");
        if (const auto value = settings.Find(key))
            m_out << key << " = " << *value << '\n';
        else
            m_out << key << " absent\n";
    } else {
        throw ScriptError("expected store set KEY = VALUE or store get KEY");
    }
}

} // namespace Quiverstep
