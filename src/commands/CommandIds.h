#pragma once

#include <QString>

// Command identifiers shared by menus, toolbar, views, documents and frames.
enum CommandId : int {
    // File
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FIRST = 57616, // 16 entries: 57616..57631
    ID_FILE_MRU_LAST = 57631,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,

    // Edit (the editor's rich text)
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_SELECT_ALL = 57642,
    ID_EDIT_UNDO = 57643,
    // The document's undo stack, behind Edit > Undo when the editor has no typing to undo
    ID_EDIT_REDO = 32860,
    ID_VIEW_UNDO_HISTORY = 32861,

    // Posts
    ID_POST_ADD = 32772,
    ID_POST_DELETE = 32773,
    ID_POST_RENAME = 32774,
    ID_POST_COPY_FEED = 32783,
    ID_POST_DUPLICATE = 32784,
    ID_POST_RELOAD = 32785,
    ID_POST_BACK = 32790,
    ID_POST_FORWARD = 32791,
    ID_POST_DUPLICATE_DELETE = 32796,
    ID_SORT_BY_POSITION = 32797,
    ID_SORT_BY_TITLE = 32798,
    ID_SORT_BY_DATE = 32799,
    ID_COPY_TITLE = 32800,
    ID_OPEN_BACKUP_FOLDER = 32801,
    ID_FILTERING = 32802,
    ID_POST_SET_DATE_NOW = 32820,
    ID_POST_ADD_LIVE = 32870,

    // Feed
    ID_FEED_PROPERTIES = 32830,
    ID_FEED_MOVE = 32832,

    // Editor
    ID_INSERT_HYPERLINK = 32780,
    ID_INSERT_IMAGE = 32781,

    // Format (the editor's rich text)
    ID_FORMAT_ITALIC = 32776,
    ID_FORMAT_UNDERLINE = 32777,
    ID_FORMAT_STRIKEOUT = 32778,
    ID_FORMAT_BOLD = 32779,
    ID_INSERT_TEST = 32786,
    ID_FORMAT_UL_LIST = 32794,
    ID_REMOVE_SPANS_AND_STYLES = 32795,
    ID_REMOVE_NBSP = 32803,

    // Feed
    ID_FEED_CHECK = 32840,
    ID_VIEW_PROBLEMS = 32841,

    // Application and help
    ID_W3C_VALIDATOR = 32782,
    ID_VIEW_POSTS_BAR = 32771,
    ID_VIEW_PREVIEW = 32788,
    ID_VIEW_POST_DETAILS = 32831,
    ID_HELP_GUIDE = 57670,
    ID_HELP_ABOUT_ENGINE = 32804,

    // Publishing
    ID_FILE_PUBLISH = 32850,
    ID_FILE_PUBLISH_SETTINGS = 32851,
    ID_FILE_NEW_EPISODE_FROM_AUDIO = 32880,
    ID_FILE_OPEN_LOCATION = 32881,
};

// Enable and check state of one command, filled by whoever handles it.
struct CommandState
{
    CommandState(bool enabled = true, bool checkable = false, bool checked = false, const QString &text = QString())
        : enabled(enabled), checkable(checkable), checked(checked), text(text)
    {
    }

    bool enabled;
    bool checkable;
    bool checked;
    QString text; // the menu text to show instead of the command's own, when not empty
};

// A link of the command route (view, document, frame, application). Each
// returns true when it handled the command or its state.
class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;
    virtual bool OnCommand(int id) = 0;
    virtual bool OnUpdateCommand(int id, CommandState *state) = 0;
};
