// GUITools.h: static tools for hosts: a light markup for rich edit controls,
// the matching string wrapper, and registration of a window class as a copy
// of an existing one.
#pragma once

#include "Quillon.h"

#include <afxcmn.h>

// CGUITools: a holder of static tools; no control of the library calls them.
//
// Markup: tags written into a rich edit's text ("<b>", "</b>", "<red>", ...,
// see enum_re_flag) are turned into character formatting and removed.
// ParseRichEdit first resets the whole text to protected black on white with
// no effects, then applies the kinds in enum order.  Per kind, the first
// opening tag is paired with the first closing tag, searching from the start
// of the text every time and in any letter case ("<B>" works too); the pair
// is formatted, the closing tag removed, then the opening tag, and the search
// starts again.  Nested pairs of one kind therefore work; a kind stops at the
// first time a tag is missing or the first closing tag comes before the first
// opening tag, and the tags left over stay in the text as written.
//
// A kind changes only attributes that are uniform over its range (the format
// is read and written back with the mask the control reports): blue tags
// around a red part leave all colours as they were, because red runs first.
//
// The tools work on the control's current text with selections, so the
// caret and selection move: ParseRichEdit ends with the whole text selected.
// Undo is not recorded for the removed tags.  A control that refuses to
// remove a pair's tags (a read-only control on some platforms, a parent that
// answers EN_PROTECTED: the reset makes all text protected) ends that kind
// there, with the tags left in, instead of finding the same pair forever.
class AFX_EXT_CLASS CGUITools
{
    // Construction
public:
    CGUITools();                              // nothing to set up
    CGUITools(const CGUITools& other);        // nothing to copy
    CGUITools& operator=(const CGUITools& o); // nothing to assign
    virtual ~CGUITools();

    // Attributes
public:
    // The markup kinds, in the order ParseRichEdit applies them.
    enum enum_re_flag
    {
        re_underline = 0, // "<u>"..."</u>": CFE_UNDERLINE added
        re_bold = 1,      // "<b>"..."</b>": CFE_BOLD added
        re_italic = 2,    // "<i>"..."</i>": CFE_ITALIC added
        re_red = 3,       // "<red>"..."</red>": RGB(255, 0, 0)
        re_green = 4,     // "<green>"..."</green>": RGB(0, 128, 0)
        re_blue = 5,      // "<blue>"..."</blue>": RGB(0, 0, 255)
        re_orange = 6     // "<orange>"..."</orange>": RGB(255, 128, 0)
    };                    // the colour kinds also clear CFE_AUTOCOLOR

    // Operations
public:
    // Resets the formatting of the whole text (effects exactly CFE_PROTECTED,
    // black text, white background) and applies all seven kinds.
    static void ParseRichEdit(CRichEditCtrl& richEdit);
    // Wraps str in the tags of the kind; a value outside 0..6 leaves it as it is.
    static void AddStringStyle(CString& str, enum_re_flag flag);
    // Registers a copy of the class lpszExistingClass (looked up with the
    // instance of the current module, AfxGetModuleState) under lpszNewClass
    // with the icon nIconID (low 16 bits, loaded from that instance).
    // Returns lpszNewClass, or null when the existing class is unknown or the
    // registration fails.  Registering the same name again succeeds.
    static const char* RegisterSimilarClass(const char* lpszNewClass, const char* lpszExistingClass,
                                            unsigned int nIconID);

    // Implementation
protected:
    // Applies one kind until no pair of it is left.
    static void ParseRichEditFlag(CRichEditCtrl& richEdit, enum_re_flag flag);
};
