#ifndef SKIFF_TOOLS_DEMO_SERVER_DEMO_WORLD_H
#define SKIFF_TOOLS_DEMO_SERVER_DEMO_WORLD_H

#include <map>
#include <string>

// How the world reaches the connections.
class demo_output {
public:
    virtual ~demo_output() = default;
    virtual void send(int id, const std::string &bytes) = 0;
    // Sends what is queued, then closes the connection.
    virtual void close(int id) = 0;
};

// A small scripted game: login, a handful of rooms, talking, a practice
// fight, and an example of every record the client understands.  The
// network layer hands it clean lines (no line end, no control bytes).
class demo_world {
public:
    explicit demo_world(demo_output *out) : out_(out) {}

    void connected(int id);
    void line(int id, const std::string &text);
    void disconnected(int id);
    // Once a second: fights and the time of day go on.
    void tick();

private:
    enum player_state { awaiting_identification, awaiting_name, awaiting_password, playing };

    struct player {
        player_state state = awaiting_identification;
        std::string name;
        std::string client;  // the identification line
        int room = 0;
        int hp = 240, hp_max = 250, mana = 90, mana_max = 120, move = 110, move_max = 110;
        int xp = 450;  // tenths of a percent
        bool fighting = false;
        int enemy_hp = 100;
        bool quitting = false;
    };

    demo_output *out_;
    std::map<int, player> players_;
    int minute_ = 8 * 60;  // time of day
    int ticks_ = 0;

    void send(int id, const std::string &bytes) { out_->send(id, bytes); }
    void text(int id, const std::string &plain);
    void ask_name(int id);
    void take_name(int id, player &p, const std::string &text);
    void take_password(int id, player &p, const std::string &text);
    void enter_game(int id, player &p);
    void command(int id, player &p, const std::string &text);
    void prompt(int id, const player &p);

    void look(int id, const player &p);
    bool walk(int id, player &p, const std::string &word);
    void say(int id, const player &p, const std::string &message);
    void gossip(int id, const player &p, const std::string &message);
    void who(int id);
    void who_popup(int id);
    void help(int id);
    void start_fight(int id, player &p);
    void fight_round(int id, player &p);
    void quit(int id, player &p);
    void show_every_record(int id, player &p);
    void run_server_config(int id, const std::string &what);

    void send_bars(int id, const player &p);
    void send_room_records(int id, const player &p);
    void send_sky(int id);
    void send_buttons(int id);
    void send_group(int id, const player &p);
    void to_room(int room, int except, const std::string &plain);
    std::string time_text() const;
    bool name_in_use(const std::string &name, int except) const;
};

#endif
