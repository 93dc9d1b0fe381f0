#pragma once

// What screen readers are told beyond what each control says for itself.
//
// - A top-level window built from a plain widget is announced as a window
//   (a frame, named by its title), not as an anonymous filler.
// - A stretched photograph is an image (graphic), named and described by
//   the design, not an anonymous filler.
// - A label's whole caption is its text to a screen reader, readable by
//   line, word or character, not only its name.
// - In a list, only the entry of a list that has the keyboard focus is
//   announced as focused: the list forgets its current entry while another
//   control has the focus and gets it back when the focus returns. The
//   selection, which is what the planner chose, is never touched.

class QAbstractItemView;

namespace siltmere::ui {

// Makes top-level plain widgets windows, and text labels text, to assistive
// technology. Safe to call more than once; installs itself the first time.
void installScreenReaderRoles();

// Keeps `view`'s current entry only while the view has the focus.
void keepCurrentEntryOnlyWhileFocused(QAbstractItemView& view);

} // namespace siltmere::ui
