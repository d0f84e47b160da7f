#include "tools/skiff-demo-server/demo_records.h"

// The client reads one parameter per escape sequence, so attributes and
// colours go out as separate sequences.
namespace ansi {
const char *const reset = "\x1b[0m";
const char *const bold_white = "\x1b[1m\x1b[37m";
const char *const bold_cyan = "\x1b[1m\x1b[36m";
const char *const bold_yellow = "\x1b[1m\x1b[33m";
const char *const bold_green = "\x1b[1m\x1b[32m";
const char *const bold_red = "\x1b[1m\x1b[31m";
const char *const bold_magenta = "\x1b[1m\x1b[35m";
const char *const green = "\x1b[0m\x1b[32m";
const char *const cyan = "\x1b[0m\x1b[36m";
const char *const yellow = "\x1b[0m\x1b[33m";
const char *const white = "\x1b[0m\x1b[37m";
}

std::string stream_text(const std::string &text)
{
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        out += c;
        if (c == ';')
            out += ';';
    }
    return out;
}

static std::string without_semicolons(std::string s)
{
    for (char &c : s)
        if (c == ';')
            c = ',';
    return s;
}

std::string stream_record(const std::string &name, const std::string &payload)
{
    std::string n = without_semicolons(name);
    return ";s" + n + ";" + without_semicolons(payload) + ";e" + n + ";";
}

std::string stream_text_tag(const std::string &name)
{
    return ";t" + without_semicolons(name) + ";";
}

std::string echo_off()
{
    return std::string("\xff\xfb\x01\xff\xfe\x01", 6);
}

std::string echo_on()
{
    return std::string("\xff\xfc\x01\xff\xfd\x01", 6);
}

std::string exit_mask_letters(int mask)
{
    std::string out;
    out += static_cast<char>('A' + ((mask >> 5) & 31));
    out += static_cast<char>('A' + (mask & 31));
    return out;
}
