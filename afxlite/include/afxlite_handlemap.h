// afxlite_handlemap.h: maps from Win32 handles to the C++ objects that wrap
// them (windows, device contexts, GDI objects, menus).
//
// A permanent entry belongs to an object that owns or has attached the handle
// (Attach, Create, SubclassWindow); it lives until the owner removes it.  A
// temporary entry is made by FromHandle for a handle nobody wraps yet; it is
// deleted by DeleteTemp, which the application calls when its message loop
// goes idle, so a FromHandle pointer must not be kept across messages.
//
// Maps are per thread, as Win32 windows are: each wrapper class keeps one map
// in a function-local thread_local variable and hands this template three
// small functions that know how to make, fill and empty one of its objects.
#pragma once

#include "afxlite_config.h"

#include <unordered_map>
#include <vector>

template <class TObject, class THandle> class CHandleMap
{
public:
    typedef TObject* (*PFN_NEW)();                 // a new, empty wrapper
    typedef void (*PFN_ATTACH)(TObject*, THandle); // store the handle(s) in the wrapper
    typedef void (*PFN_DETACH)(TObject*);          // clear them, so deleting does not destroy

    CHandleMap(PFN_NEW pfnNew, PFN_ATTACH pfnAttach, PFN_DETACH pfnDetach)
        : m_pfnNew(pfnNew), m_pfnAttach(pfnAttach), m_pfnDetach(pfnDetach)
    {}
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;
    ~CHandleMap() { DeleteTemp(); }

    // The permanent wrapper, else the temporary one, else a new temporary
    // wrapper; null for a null handle.
    TObject* FromHandle(THandle h)
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* p = LookupPermanent(h))
            return p;
        if (TObject* p = LookupTemporary(h))
            return p;
        TObject* p = m_pfnNew();
        m_pfnAttach(p, h);
        m_temporary[h] = p;
        return p;
    }

    TObject* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    TObject* LookupTemporary(THandle h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }

    // Binds h to its owner.  A temporary wrapper for the same handle, if any,
    // stays valid until DeleteTemp, but FromHandle now answers with p.
    void SetPermanent(THandle h, TObject* p)
    {
        ASSERT_MSG(h != nullptr && p != nullptr, "CHandleMap::SetPermanent: null handle or object");
        m_permanent[h] = p;
    }

    // Forgets h's owner only: a temporary wrapper someone may still hold
    // stays valid until DeleteTemp (windows detach while handlers run).
    void RemovePermanent(THandle h) { m_permanent.erase(h); }

    // Forgets h in both maps.  The temporary wrapper, if any, is emptied and
    // deleted now: its handle is going away.
    void RemoveHandle(THandle h)
    {
        m_permanent.erase(h);
        auto it = m_temporary.find(h);
        if (it != m_temporary.end()) {
            TObject* p = it->second;
            m_temporary.erase(it);
            m_pfnDetach(p);
            delete p;
        }
    }

    // Deletes every temporary wrapper (without touching the handles).  The
    // map is emptied first, so a destructor that calls back in finds it
    // consistent.
    void DeleteTemp()
    {
        std::vector<TObject*> doomed;
        doomed.reserve(m_temporary.size());
        for (auto& e : m_temporary)
            doomed.push_back(e.second);
        m_temporary.clear();
        for (TObject* p : doomed) {
            m_pfnDetach(p);
            delete p;
        }
    }

    size_t GetPermanentCount() const { return m_permanent.size(); }
    size_t GetTemporaryCount() const { return m_temporary.size(); }

private:
    PFN_NEW m_pfnNew;
    PFN_ATTACH m_pfnAttach;
    PFN_DETACH m_pfnDetach;
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
};
