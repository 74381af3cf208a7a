// Times whole programs as a user starts them, on the X server of $DISPLAY: from the spawn to the
// first frame that the program draws into a top-level window of its own, seen through the X
// server's DAMAGE extension. So it needs no probe inside the program, and the dynamic linker,
// Qt's plugins and the fonts count as they do for a user. One unmeasured run of each program,
// then the given number of rounds of the two in turn; prints both medians and their ratio and
// exits non-zero when the second program takes longer than the goal allows.
//   ktv_first_frame_on_x <rounds> <reference program> <program>
#include "Figures.h"
#include "StartupSample.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

extern char **environ;

namespace {

// The second program's median start-up within this multiple of the reference's.
constexpr double Goal = 1.10;

using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

struct Display
{
    xcb_connection_t *connection = nullptr;
    std::uint8_t damageEvents = 0; // the first event code of the DAMAGE extension
};

// Reads and drops every event the server has sent so far, so that a round sees only its own.
void dropPendingEvents(const Display &display)
{
    std::free(xcb_get_input_focus_reply(display.connection, xcb_get_input_focus(display.connection), nullptr));
    while (Event(xcb_poll_for_event(display.connection), &std::free)) {
    }
}

// Spawns the program with its output silenced and waits for its first frame: the first damage of
// a top-level window it creates (watched from its creation, before anything is drawn). Returns
// the milliseconds from the spawn, or -1 when no frame came; the program is ended then.
double firstFrame(const Display &display, const char *program)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *const arguments[] = {const_cast<char *>(program), nullptr};
    pid_t child = 0;
    const long long start = monotonicNanoseconds();
    const int spawned = posix_spawn(&child, program, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;

    long long frame = -1;
    std::vector<xcb_damage_damage_t> damages;
    while (frame < 0) {
        const Event event(xcb_wait_for_event(display.connection), &std::free);
        if (!event)
            break; // the connection broke
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<const xcb_create_notify_event_t *>(event.get());
            if (created->override_redirect)
                continue; // a menu or tooltip, not a top-level window
            damages.push_back(xcb_generate_id(display.connection));
            // An input-only window answers with an error event, which the loop passes over.
            xcb_damage_create(display.connection, damages.back(), created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(display.connection);
        } else if (type == display.damageEvents + XCB_DAMAGE_NOTIFY) {
            frame = monotonicNanoseconds() - start;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    for (const xcb_damage_damage_t damage : damages)
        xcb_damage_destroy(display.connection, damage);
    dropPendingEvents(display);
    return frame < 0 ? -1 : double(frame) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc == 4 ? std::atoi(argv[1]) : 0;
    if (rounds <= 0) {
        std::fprintf(stderr, "usage: %s <rounds> <reference program> <program>\n", argv[0]);
        return 2;
    }
    Display display;
    display.connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(display.connection)) {
        std::fprintf(stderr, "no X server at $DISPLAY\n");
        return 2;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(display.connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    display.damageEvents = damage->first_event;
    std::free(xcb_damage_query_version_reply(
        display.connection, xcb_damage_query_version(display.connection, XCB_DAMAGE_MAJOR_VERSION, 0), nullptr));
    // Every window created on the screen, so that each is watched before it is drawn.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(display.connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(display.connection, root, XCB_CW_EVENT_MASK, &mask);
    dropPendingEvents(display);

    const char *const programs[] = {argv[2], argv[3]};
    std::vector<double> times[2];
    for (int round = -1; round < rounds; ++round) {
        for (int which = 0; which < 2; ++which) {
            const double time = firstFrame(display, programs[which]);
            if (time < 0) {
                std::fprintf(stderr, "%s drew no window\n", programs[which]);
                return 1;
            }
            if (round >= 0)
                times[which].push_back(time);
        }
    }
    const double reference = median(times[0]);
    const double measured = median(times[1]);
    const double ratio = measured / reference;
    std::printf("%s: %s ms\n%s: %s ms\nratio %s, goal under %s: %s\n", programs[0], fixed2(reference).c_str(),
                programs[1], fixed2(measured).c_str(), fixed2(ratio).c_str(), fixed2(Goal).c_str(),
                ratio < Goal ? "ok" : "missed");
    xcb_disconnect(display.connection);
    return ratio < Goal ? 0 : 1;
}
