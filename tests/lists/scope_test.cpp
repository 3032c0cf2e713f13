// Deletion by position and scope on real list boxes and list views: the position
// rules, the notes in their order, and what each command returns.
#include "list_helpers.h"

#include <vector>

namespace {

using namespace lists_test;

constexpr const char* kIndexNote = "Index is greater than number of items in ListView";
constexpr const char* kNoneSelected2 = "A Scope of -2 indicated but no Items selected for deletion";
constexpr const char* kNoneSelected3 = "A Scope of -3 indicated but no Items selected";
constexpr const char* kInvalidScope = "Invalid Scope value";

struct ScopeCase {
    const char* what;
    int count;                 // entries a, b, c ...
    std::vector<int> selected; // 0-based
    int position;
    int scope;
    const char* note;          // null: no note
    int listBoxResult;
    int listViewResult;
    const char* left;          // the entries that remain
};

const ScopeCase kCases[] = {
    {"position 0 deletes the first", 5, {}, 0, 0, nullptr, 4, 4, "bcde"},
    {"a positive scope deletes one entry", 5, {}, 3, 7, nullptr, 4, 4, "abde"},
    {"position -1 with scope 0 deletes the last", 5, {}, -1, 0, nullptr, 4, 4, "abcd"},
    {"position -n with scope 0 deletes the first", 5, {}, -5, 0, nullptr, 4, 4, "bcde"},
    {"position -1 counts from the end only with scope 0", 5, {}, -1, 5, nullptr, -1, 5, "abcde"},
    {"position -(n+1) normalises to 0, not 1", 5, {}, -6, 0, nullptr, -1, 5, "abcde"},
    {"empty: scope -1 at position 0 is past the end", 0, {}, 0, -1, kIndexNote, 0, 0, ""},
    {"empty: scope 0 at position 0 is past the end", 0, {}, 0, 0, kIndexNote, 0, 0, ""},
    {"empty: scope -2 has its own note first", 0, {}, 1, -2, kNoneSelected2, 0, 0, ""},
    {"empty: scope -3 has its own note first", 0, {}, 1, -3, kNoneSelected3, 0, 0, ""},
    {"scope -1 at position -1 clears", 5, {1}, -1, -1, nullptr, 0, 0, ""},
    {"scope -1 at position -1 on an empty control", 0, {}, -1, -1, nullptr, 0, 0, ""},
    {"scope -1 at position n+1 clears nothing", 5, {}, 6, -1, kIndexNote, 5, 5, "abcde"},
    {"scope -2 deletes the selected", 5, {1, 3}, 1, -2, nullptr, 3, 3, "ace"},
    {"scope -3 deletes the unselected", 5, {1, 3}, 1, -3, nullptr, 2, 2, "bd"},
    {"scope -2 without a selection", 5, {}, 1, -2, kNoneSelected2, 5, 5, "abcde"},
    {"scope -3 without a selection", 5, {}, 1, -3, kNoneSelected3, 5, 5, "abcde"},
    {"scope -3 with every entry selected", 3, {0, 1, 2}, 1, -3, nullptr, 0, 3, "abc"},
    {"scope -2 past the end", 5, {0}, 6, -2, kIndexNote, 5, 5, "abcde"},
    {"scope -4 with a valid position", 5, {}, 2, -4, kInvalidScope, 5, 5, "abcde"},
    {"scope -4 at position n+1", 5, {}, 6, -4, kIndexNote, 5, 5, "abcde"},
};

class Deletion : public zub::HostTest {
protected:
    void expectNote(const char* note)
    {
        if (note == nullptr) {
            EXPECT_TRUE(notes.empty()) << notes[0].text;
            return;
        }
        ASSERT_EQ(1u, notes.size());
        EXPECT_EQ(note, notes[0].text);
        EXPECT_EQ("Note", notes[0].caption);
        EXPECT_EQ(dialog.hwnd(), notes[0].owner);
        EXPECT_TRUE(notes[0].okOnly);
    }

    // Every case on a fresh control that make builds, deleting with the command.
    template <class Make>
    void followScopeRules(const char* command, int ScopeCase::*result, std::string (*letters)(HWND), Make make)
    {
        for (const ScopeCase& c : kCases) {
            SCOPED_TRACE(c.what);
            notes.clear();
            HWND control = make(c);
            EXPECT_EQ(c.*result, host.call(command, control, c.position, c.scope).integer);
            expectNote(c.note);
            EXPECT_EQ(c.left, letters(control));
            DestroyWindow(control);
        }
    }
};

TEST_F(Deletion, ListBoxFollowsTheScopeRules)
{
    followScopeRules("lbDeleteItem", &ScopeCase::listBoxResult, listBoxLetters,
                     [&](const ScopeCase& c) { return letterListBox(dialog, c.count, c.selected); });
}

TEST_F(Deletion, ListViewFollowsTheScopeRules)
{
    followScopeRules("lvDeleteItem", &ScopeCase::listViewResult, listViewLetters,
                     [&](const ScopeCase& c) { return letterListView(dialog, c.count, c.selected); });
}

TEST_F(Deletion, SelectedScopeOnASingleSelectionListBoxWithoutSelectionShowsNoNote)
{
    // Such a box answers the selection count with LB_ERR, so the "none selected" check passes.
    HWND box = letterListBox(dialog, 3, {}, 0);
    EXPECT_EQ(0, host.call("lbDeleteItem", box, 1, -2).integer);
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ("abc", listBoxLetters(box));
}

TEST_F(Deletion, SelectedScopeOnASingleSelectionListBoxDeletesItsCurrentEntry)
{
    HWND box = letterListBox(dialog, 3, {}, 0);
    SendMessageA(box, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(2, host.call("lbDeleteItem", box, 1, -2).integer);
    EXPECT_EQ("ac", listBoxLetters(box));
}

} // namespace
