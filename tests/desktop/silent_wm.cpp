// A window manager in name only: it says on the root window that it answers
// _NET_REQUEST_FRAME_EXTENTS, with a check window of its own as EWMH asks,
// and then never answers anything (nor frames or places windows).
#include <xcb/xcb.h>

#include <unistd.h>

#include <cstring>

static xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

int main() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c) != 0) return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_window_t check = xcb_generate_id(c);
    xcb_create_window(c, 0, check, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t checkAtom = Atom(c, "_NET_SUPPORTING_WM_CHECK");
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, check, checkAtom, XCB_ATOM_WINDOW, 32, 1, &check);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, checkAtom, XCB_ATOM_WINDOW, 32, 1, &check);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 32, 1, &request);
    xcb_flush(c);
    pause();
}
