#include "tools/skiff-demo-server/demo_world.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "tools/skiff-demo-server/demo_map.h"
#include "tools/skiff-demo-server/demo_records.h"

namespace {

std::string lower(std::string s)
{
    for (char &c : s)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return s;
}

// The first word, and the rest after the blanks that follow it.
std::string first_word(const std::string &text, std::string *rest)
{
    size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) {
        *rest = "";
        return "";
    }
    size_t end = text.find(' ', start);
    std::string word = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    size_t after = end == std::string::npos ? std::string::npos : text.find_first_not_of(' ', end);
    *rest = after == std::string::npos ? "" : text.substr(after);
    return word;
}

bool valid_name(const std::string &name)
{
    if (name.size() < 3 || name.size() > 16)
        return false;
    for (char c : name)
        if (!isalpha(static_cast<unsigned char>(c)))
            return false;
    return true;
}

int roll(int low, int high)
{
    return low + rand() % (high - low + 1);
}

}  // namespace

void demo_world::text(int id, const std::string &plain)
{
    send(id, stream_text(plain));
}

void demo_world::connected(int id)
{
    players_[id] = player();
}

void demo_world::disconnected(int id)
{
    auto it = players_.find(id);
    if (it == players_.end())
        return;
    player p = it->second;
    players_.erase(it);
    if (p.state == playing && !p.quitting)
        to_room(p.room, -1, std::string(ansi::yellow) + p.name + " fades away." + ansi::reset + "\n");
}

void demo_world::line(int id, const std::string &text)
{
    auto it = players_.find(id);
    if (it == players_.end() || it->second.quitting)
        return;
    player &p = it->second;
    switch (p.state) {
    case awaiting_identification: /* "_Skiff UUID VERSION" from the client */
        p.client = text.substr(0, 200);
        ask_name(id);
        break;
    case awaiting_name:
        take_name(id, p, text);
        break;
    case awaiting_password:
        take_password(id, p, text);
        break;
    case playing:
        command(id, p, text);
        break;
    }
}

void demo_world::ask_name(int id)
{
    std::string banner;
    banner += std::string("\n") + ansi::bold_cyan + "  ~~~  V E Y M O O R  ~~~" + ansi::reset + "\n";
    banner += std::string(ansi::cyan) + "  a demonstration server for the Skiff client" + ansi::reset + "\n\n";
    banner += std::string(ansi::white) + "Any name of 3 to 16 letters and any password will do;\n" +
              "nothing is stored." + ansi::reset + "\n\n";
    banner += std::string(ansi::bold_white) + "By what name are you known? " + ansi::reset;
    text(id, banner);
    players_[id].state = awaiting_name;
}

void demo_world::take_name(int id, player &p, const std::string &text_in)
{
    text(id, "\n");
    std::string rest;
    std::string name = first_word(text_in, &rest);
    if (!valid_name(name)) {
        text(id, std::string(ansi::bold_red) + "A name has 3 to 16 letters." + ansi::reset + "\n" +
                     ansi::bold_white + "By what name are you known? " + ansi::reset);
        return;
    }
    name = lower(name);
    name[0] = static_cast<char>(toupper(static_cast<unsigned char>(name[0])));
    if (name_in_use(name, id)) {
        text(id, std::string(ansi::bold_red) + name + " is already playing." + ansi::reset + "\n" +
                     ansi::bold_white + "By what name are you known? " + ansi::reset);
        return;
    }
    p.name = name;
    p.state = awaiting_password;
    text(id, std::string(ansi::bold_white) + "Password: " + ansi::reset);
    send(id, echo_off());
}

void demo_world::take_password(int id, player &p, const std::string &text_in)
{
    send(id, echo_on());
    if (text_in.empty()) {
        text(id, std::string(ansi::bold_red) + "\nAn empty password will not do." + ansi::reset + "\n" +
                     ansi::bold_white + "Password: " + ansi::reset);
        send(id, echo_off());
        return;
    }
    enter_game(id, p);
}

void demo_world::enter_game(int id, player &p)
{
    p.state = playing;
    printf("client %d logged in as %s\n", id, p.name.c_str());
    fflush(stdout);
    send(id, stream_record("login", p.name));
    text(id, std::string("\n") + ansi::bold_green + "Welcome to Veymoor, " + p.name + "!" + ansi::reset +
                 "\n" + ansi::green + "Type " + ansi::bold_yellow + "help" + ansi::green +
                 " for the commands of this little world." + ansi::reset + "\n\n");
    send_buttons(id);
    send(id, stream_record("window_create", "who\nWho is online\n40 10\npopwho\n"));
    send(id, stream_record("icons", "10000"));
    send(id, stream_record("xpp", std::to_string(p.xp) + " 120"));
    send(id, stream_record("enemyhp", ""));
    send_sky(id);
    send_group(id, p);
    to_room(p.room, id, std::string(ansi::yellow) + p.name + " appears in a puff of smoke." + ansi::reset + "\n");
    look(id, p);
    prompt(id, p);
}

void demo_world::prompt(int id, const player &p)
{
    char line[80];
    snprintf(line, sizeof(line), "\n%s<%dhp %dm %dmv>%s ", ansi::bold_green, p.hp, p.mana, p.move, ansi::reset);
    text(id, line);
    send_bars(id, p);
}

void demo_world::command(int id, player &p, const std::string &text_in)
{
    std::string rest;
    std::string word = lower(first_word(text_in, &rest));
    // The client's own words are answered without a prompt.
    if (word == "skping") {
        send(id, stream_record("event", "skpong"));
        return;
    }
    if (word == "sklstatus" || word == "sklwindow")
        return;
    // The client echoes a command without ending its line; the answer
    // starts on a line of its own.
    text(id, "\n");
    if (word.empty()) {
    } else if (word == "look" || word == "l") {
        look(id, p);
    } else if (walk(id, p, word)) {
    } else if (word == "say" || word == "'") {
        say(id, p, rest);
    } else if (word == "gossip" || word == "chat") {
        gossip(id, p, rest);
    } else if (word == "who") {
        who(id);
    } else if (word == "popwho") {
        who_popup(id);
    } else if (word == "help") {
        help(id);
    } else if (word == "fight" || word == "kill") {
        start_fight(id, p);
    } else if (word == "records" || word == "demo") {
        show_every_record(id, p);
    } else if (word == "flash") {
        run_server_config(id, rest);
    } else if (word == "quit") {
        quit(id, p);
        return;
    } else {
        text(id, std::string(ansi::white) + "Huh?  Type " + ansi::bold_yellow + "help" + ansi::white +
                     " for the commands." + ansi::reset + "\n");
    }
    prompt(id, p);
}

void demo_world::look(int id, const player &p)
{
    const demo_room &r = demo_rooms()[p.room];
    std::string out = std::string(ansi::bold_cyan) + r.title + ansi::reset + "\n";
    out += std::string(ansi::white) + r.description + ansi::reset + "\n";
    out += std::string(ansi::green) + "[Exits:";
    for (int d = 0; d < demo_direction_count; ++d)
        if (r.exits[d] >= 0)
            out += std::string(" ") + demo_direction_names[d];
    out += "]" + std::string(ansi::reset) + "\n";
    for (auto &other : players_)
        if (other.first != id && other.second.state == playing && other.second.room == p.room)
            out += std::string(ansi::bold_yellow) + other.second.name + " is standing here." + ansi::reset + "\n";
    if (r.has_dummy)
        out += std::string(ansi::bold_magenta) + "A straw training dummy waits to be fought." + ansi::reset + "\n";
    text(id, out);
    send_room_records(id, p);
}

bool demo_world::walk(int id, player &p, const std::string &word)
{
    int d = demo_direction_from_word(word);
    if (d < 0)
        return false;
    const demo_room &r = demo_rooms()[p.room];
    if (r.exits[d] < 0) {
        text(id, std::string(ansi::white) + "Alas, you cannot go that way." + ansi::reset + "\n");
        send(id, stream_record("walkfail", std::to_string(d < 8 ? d : 0)));
        return true;
    }
    if (p.fighting) {
        text(id, std::string(ansi::bold_red) + "You flee from the fight!" + ansi::reset + "\n");
        p.fighting = false;
        send(id, stream_text_tag("ncombat"));
    }
    to_room(p.room, id, std::string(ansi::yellow) + p.name + " leaves " + demo_direction_names[d] + "." +
                            ansi::reset + "\n");
    p.room = r.exits[d];
    p.move = p.move > 2 ? p.move - 2 : p.move;
    to_room(p.room, id, std::string(ansi::yellow) + p.name + " arrives." + ansi::reset + "\n");
    look(id, p);
    return true;
}

void demo_world::say(int id, const player &p, const std::string &message)
{
    if (message.empty()) {
        text(id, "Say what?\n");
        return;
    }
    text(id, std::string(ansi::bold_white) + "You say '" + message + "'" + ansi::reset + "\n");
    to_room(p.room, id, std::string(ansi::bold_white) + p.name + " says '" + message + "'" + ansi::reset + "\n");
}

// Channel lines go through a channel divert, so the client can show them
// in its tabbed channel window.
void demo_world::gossip(int id, const player &p, const std::string &message)
{
    if (message.empty()) {
        text(id, "Gossip what?\n");
        return;
    }
    std::string line = std::string(ansi::bold_magenta) + "[gossip] " + p.name + ": " + message + ansi::reset + "\n";
    for (auto &other : players_) {
        if (other.second.state != playing)
            continue;
        send(other.first, stream_record("chdiv", "gossip") + stream_text(line) + stream_text_tag("chudiv"));
    }
}

void demo_world::who(int id)
{
    std::string out = std::string(ansi::bold_cyan) + "Players in Veymoor:" + ansi::reset + "\n";
    int count = 0;
    for (auto &other : players_) {
        if (other.second.state != playing)
            continue;
        out += std::string(ansi::white) + "  " + other.second.name + " - " +
               demo_rooms()[other.second.room].title + ansi::reset + "\n";
        ++count;
    }
    out += std::to_string(count) + (count == 1 ? " player" : " players") + " online.\n";
    text(id, out);
}

// The "who" popup window's open command: its text is diverted there.
void demo_world::who_popup(int id)
{
    send(id, stream_record("divert", "who"));
    who(id);
    send(id, stream_text_tag("undivert"));
}

void demo_world::help(int id)
{
    static const char *const lines[][2] = {
        {"look", "look around (also: l)"},
        {"north, east, up ...", "walk (also: n e s w ne nw se sw u d)"},
        {"say TEXT", "talk to the room"},
        {"gossip TEXT", "talk on the gossip channel"},
        {"who", "who is online (the Who button shows it in a popup)"},
        {"fight", "fight the training dummy in the market"},
        {"flash WHAT", "server flash: automap, main_window, input_window, hint_buttons, status_bar"},
        {"records", "send an example of every record the client understands"},
        {"quit", "leave the game"},
    };
    std::string out = std::string(ansi::bold_cyan) + "Commands:" + ansi::reset + "\n";
    for (auto &l : lines) {
        char row[200];
        snprintf(row, sizeof(row), "  %s%-22s%s %s\n", ansi::bold_yellow, l[0], ansi::reset, l[1]);
        out += row;
    }
    text(id, out);
}

void demo_world::start_fight(int id, player &p)
{
    if (!demo_rooms()[p.room].has_dummy) {
        text(id, "There is nothing here to fight.  Try the market, west of the square.\n");
        return;
    }
    if (p.fighting) {
        text(id, "You are already fighting!\n");
        return;
    }
    p.fighting = true;
    p.enemy_hp = 100;
    text(id, std::string(ansi::bold_red) + "You attack the training dummy!" + ansi::reset + "\n");
    send(id, stream_text_tag("combat"));
    send(id, stream_record("enemyhp", "100 a straw training dummy"));
    send(id, stream_record("sound", "combat/attack"));
}

void demo_world::fight_round(int id, player &p)
{
    int hit = roll(8, 22);
    int back = roll(0, 9);
    p.enemy_hp = p.enemy_hp > hit ? p.enemy_hp - hit : 0;
    p.hp = p.hp > back + 1 ? p.hp - back : 1;
    std::string out = std::string(ansi::bold_yellow) + "You hit the training dummy." + ansi::reset + "\n";
    if (back > 0)
        out += std::string(ansi::bold_red) + "The training dummy's arm swings round and hits you." + ansi::reset + "\n";
    text(id, out);
    send(id, stream_record("event", "colorflash 000000 402000 10 000000 15"));
    if (p.enemy_hp > 0) {
        send(id, stream_record("enemyhp", std::to_string(p.enemy_hp) + " a straw training dummy"));
    } else {
        p.fighting = false;
        p.xp = p.xp + 50 > 1000 ? 1000 : p.xp + 50;
        text(id, std::string(ansi::bold_green) + "The training dummy falls apart.  You feel more experienced!" +
                     ansi::reset + "\n" + ansi::white + "A new dummy is set up at once." + ansi::reset + "\n");
        send(id, stream_text_tag("ncombat"));
        send(id, stream_record("xpp", std::to_string(p.xp) + " 120"));
    }
    prompt(id, p);
}

void demo_world::quit(int id, player &p)
{
    text(id, std::string("\n") + ansi::bold_cyan + "Farewell, " + p.name + ".  Come back soon!" + ansi::reset + "\n");
    send(id, stream_record("event", "logoff"));
    p.quitting = true;
    to_room(p.room, id, std::string(ansi::yellow) + p.name + " has left the game." + ansi::reset + "\n");
    out_->close(id);
}

void demo_world::run_server_config(int id, const std::string &what)
{
    std::string rest;
    std::string word = lower(first_word(what, &rest));
    if (word.empty())
        word = "main_window";
    text(id, "Flashing " + word + ".\n");
    send(id, stream_record("config", word + " flash"));
}

// One of each kind, for trying the client's panels.
void demo_world::show_every_record(int id, player &p)
{
    text(id, std::string(ansi::bold_cyan) + "Sending an example of every record..." + ansi::reset + "\n");
    send_bars(id, p);
    send(id, stream_record("xpp", std::to_string(p.xp) + " 730 120"));
    send(id, stream_record("enemyhp", "64 a grumpy goose"));
    send(id, stream_record("icons", "10101"));
    send_sky(id);
    send_group(id, p);
    send_buttons(id);
    send_room_records(id, p);
    send(id, stream_record("sound", "weather/thunder"));
    send(id, stream_record("event", "colorflash 000000 000060 20 000000 30"));
    send(id, stream_record("config", "hint_buttons flash"));
    send(id, stream_record("chdiv", "newbie") +
                 stream_text(std::string(ansi::bold_green) + "[newbie] Guide: welcome, " + p.name + "!" + ansi::reset + "\n") +
                 stream_text_tag("chudiv"));
    send(id, stream_record("divert", "who"));
    who(id);
    send(id, stream_text_tag("undivert"));
    send(id, stream_record("append", "who"));
    text(id, "(appended by the records command)\n");
    send(id, stream_text_tag("unappend"));
    send(id, std::string("\x07", 1));
    text(id, "Done: hp/xpp/enemyhp bars, icons, skystate, group, hint and function-key buttons, dirs,\n"
             "areaname, map, sound, colour flash, config flash, a channel line, a popup divert and\n"
             "append, and the bell.\n");
}

void demo_world::send_bars(int id, const player &p)
{
    char payload[100];
    snprintf(payload, sizeof(payload), "%d %d %d %d %d %d", p.hp, p.hp_max, p.mana, p.mana_max, p.move,
             p.move_max);
    send(id, stream_record("hp", payload));
}

void demo_world::send_room_records(int id, const player &p)
{
    const demo_room &r = demo_rooms()[p.room];
    send(id, stream_record("dirs", "on " + exit_mask_letters(demo_exit_mask(p.room))));
    send(id, stream_record("areaname", r.area));
    send(id, stream_record("map", demo_map_payload(p.room)));
}

void demo_world::send_sky(int id)
{
    char payload[80];
    snprintf(payload, sizeof(payload), "110 1 %d %s", minute_, time_text().c_str());
    send(id, stream_record("skystate", payload));
}

void demo_world::send_buttons(int id)
{
    send(id, stream_record("bclear", ""));
    send(id, stream_record("b1", "Look\nlook"));
    send(id, stream_record("b2", "Who\nwho"));
    send(id, stream_record("b3", "Help\nhelp"));
    send(id, stream_record("b5", "Fight\nfight"));
    send(id, stream_record("b12", "Quit\nquit"));
    send(id, stream_record("bf1", "Look"));
    send(id, stream_record("bf2", "Who"));
}

void demo_world::send_group(int id, const player &p)
{
    char payload[200];
    snprintf(payload, sizeof(payload), "%d %d %d %d %d %d %s\n80 80 0 0 150 150 .Rex.", p.hp, p.hp_max,
             p.mana, p.mana_max, p.move, p.move_max, p.name.c_str());
    send(id, stream_record("group", payload));
}

void demo_world::to_room(int room, int except, const std::string &plain)
{
    for (auto &other : players_) {
        if (other.first == except || other.second.state != playing || other.second.room != room ||
            other.second.quitting)
            continue;
        text(other.first, "\n" + plain);
        prompt(other.first, other.second);
    }
}

std::string demo_world::time_text() const
{
    int hour = minute_ / 60 % 12;
    char out[32];
    snprintf(out, sizeof(out), "%d:%02d %s", hour == 0 ? 12 : hour, minute_ % 60, minute_ < 720 ? "am" : "pm");
    return out;
}

bool demo_world::name_in_use(const std::string &name, int except) const
{
    for (auto &other : players_)
        if (other.first != except && other.second.state >= awaiting_password && other.second.name == name)
            return true;
    return false;
}

void demo_world::tick()
{
    ++ticks_;
    for (auto &entry : players_) {
        player &p = entry.second;
        if (p.state != playing || p.quitting)
            continue;
        if (p.fighting) {
            fight_round(entry.first, p);
        } else if (ticks_ % 5 == 0 && (p.hp < p.hp_max || p.move < p.move_max)) {
            // resting heals, and the bars follow without a prompt
            p.hp = p.hp + 10 < p.hp_max ? p.hp + 10 : p.hp_max;
            p.move = p.move + 5 < p.move_max ? p.move + 5 : p.move_max;
            send_bars(entry.first, p);
        }
    }
    if (ticks_ % 10 != 0)
        return;
    minute_ = (minute_ + 15) % 1440;
    for (auto &entry : players_)
        if (entry.second.state == playing && !entry.second.quitting)
            send_sky(entry.first);
}
