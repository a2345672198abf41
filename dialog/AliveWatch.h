// Watching the controller through calls that hand control to the host, whose handlers may
// destroy the dialog and delete the controller with it.
#pragma once

// Points the controller's slot at a flag of its own for as long as it lives; the controller's
// destructor clears the flag. Watches nest: a watch that sees the controller die tells the one
// around it, and never touches the dead controller's slot again.
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

private:
    bool*& m_rpSlot;
    bool* const m_pOuter;
    bool m_bAlive = true;
};
