// Dynamic type identification for the classes that carry it: a class name and a link to the base.
#pragma once

#include <cstring>

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;

    bool IsDerivedFrom(const CRuntimeClass* base) const
    {
        for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
            if (c == base)
                return true;
        }
        return false;
    }
};

// The root of every chain: a class with type information derives from this.
class CObject {
public:
    virtual ~CObject() = default;

    static const CRuntimeClass* ThisClass()
    {
        static const CRuntimeClass info{"CObject", nullptr};
        return &info;
    }
    virtual const CRuntimeClass* GetRuntimeClass() const { return ThisClass(); }
    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }
};

// The information of a class T whose base class is Base; T names itself with a static ThisClass():
//   static const CRuntimeClass* ThisClass() { return RuntimeClassOf<CSuccessDlg, CObject>("CSuccessDlg"); }
//   const CRuntimeClass* GetRuntimeClass() const override { return ThisClass(); }
template <class T, class Base> const CRuntimeClass* RuntimeClassOf(const char* name)
{
    static const CRuntimeClass info{name, Base::ThisClass()};
    return &info;
}
