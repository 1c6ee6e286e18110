// HostileControls.h - one control of each kind built on a parent window,
// shared by the leak and message-storm programs.
//
//   ControlKind     the controls of Tessarine and Lumivane that own a window
//   BuiltControl    one control made by Build: its object, window and what
//                   it was given; Destroy takes it down again
//   Build           creates a control of a kind, filled as a host fills it
//   UseAsPerson     real input and calls as a person would use it
#ifndef TESTS_HOSTILE_HOSTILECONTROLS_H
#define TESTS_HOSTILE_HOSTILECONTROLS_H

#include <afxwin.h>
#include <afxcmn.h>

#include <memory>

namespace hostile {

enum class ControlKind
{
    Histogram,
    XSplitter,
    YSplitter,
    LiveArrow,
    Resizer,
    HotButton,
    FlatCombo,
    NumericEdit,
    BigList,
};

const char* KindName(ControlKind kind);

// The window of a control: for the arrow and the resizer, the host window
// they work on.
struct BuiltControl
{
    virtual ~BuiltControl() {}
    virtual HWND Window() const = 0;
    // Destroys the windows Build made; the object goes with the BuiltControl.
    virtual void Destroy() = 0;
};

// Builds a control of kind as a child of parent (a visible top-level
// window), filled as the gallery fills it. NULL when creation failed.
std::unique_ptr<BuiltControl> Build(ControlKind kind, HWND parent);

// Uses the control as a person would: paints it, hovers, presses, drags,
// types, sorts, opens and closes its list, with real input.
void UseAsPerson(ControlKind kind, BuiltControl& control);

} // namespace hostile

#endif // TESTS_HOSTILE_HOSTILECONTROLS_H
