// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/xvfb.h"

#include <cstdlib>
#include <cstring>

Xvfb::Xvfb()
{
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1280x1024x24")});
    if (server_.waitForStarted() && server_.waitForReadyRead(10000))
        display_ = QStringLiteral(":") + QString::fromLatin1(server_.readLine().trimmed());
    if (!display_.isEmpty())
        connection_ = xcb_connect(qPrintable(display_), nullptr);
}

Xvfb::~Xvfb()
{
    if (connection_)
        xcb_disconnect(connection_);
    server_.terminate();
    server_.waitForFinished();
}

xcb_window_t Xvfb::window(const QByteArray& title) const
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root), nullptr);
    if (!tree)
        return 0;
    xcb_window_t found = 0;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
        auto* attributes =
            xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, children[i]), nullptr);
        const bool shown = attributes && attributes->map_state == uint8_t(XCB_MAP_STATE_VIEWABLE);
        std::free(attributes);
        auto* name = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, children[i], XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 0, 256),
            nullptr);
        if (shown && name &&
            QByteArray(static_cast<const char*>(xcb_get_property_value(name)), xcb_get_property_value_length(name)) ==
                title)
            found = children[i];
        std::free(name);
    }
    std::free(tree);
    return found;
}

xcb_atom_t Xvfb::atom(const char* name) const
{
    auto* reply =
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}
