// Watching an object through calls that hand control to the host. A host may close its dialog
// from any notification it receives, deleting the controller (and with it every subclassing
// object) or an object it made itself, while the library is still inside the call that made the
// notification; the call must then stop touching the object.
//
// An object that makes such calls (its control's own handling through Default(), a focus change,
// a message to the dialog or to a control that notifies it, a call into the controller) keeps a
// slot, `bool* m_pbAlive = nullptr;`, whose watches its destructor ends first:
//
//     CThing::~CThing() { AliveWatch::ObjectGone(m_pbAlive); ... }
//
// and watches itself over each call, touching nothing of itself once the watch says it is gone:
//
//     if (!CallSurvives(m_pbAlive, [&] { Default(); }))
//         return;
#pragma once

// Points the object's slot at a flag of its own for as long as it lives; the object's destructor
// clears the flag. Watches nest: a watch that sees the object go tells the one around it, and
// never touches the gone object's slot again.
class AliveWatch {
public:
    explicit AliveWatch(bool*& rpSlot) : m_rpSlot(rpSlot), m_pOuter(rpSlot) { rpSlot = &m_bAlive; }
    ~AliveWatch() {
        if (m_bAlive)
            m_rpSlot = m_pOuter;
        else if (m_pOuter != nullptr)
            *m_pOuter = false;
    }
    AliveWatch(const AliveWatch&) = delete;
    AliveWatch& operator=(const AliveWatch&) = delete;

    bool Alive() const { return m_bAlive; }

    // The watched object's destructor: every watch on it learns that it is gone.
    static void ObjectGone(bool* pbAlive) {
        if (pbAlive != nullptr)
            *pbAlive = false;
    }

private:
    bool*& m_rpSlot;
    bool* const m_pOuter;
    bool m_bAlive = true;
};

// Makes the call under a watch of the object whose slot is rpSlot: false when the object is gone
// after it.
template <typename TCall>
bool CallSurvives(bool*& rpSlot, TCall&& call) {
    const AliveWatch watch(rpSlot);
    call();
    return watch.Alive();
}
