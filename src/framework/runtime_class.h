// Dynamic type identification for the classes that carry it: a class name and a link to the base.
#pragma once

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

// The information of class T, whose direct base is Base. Every class in a chain names itself:
//   static const CRuntimeClass* ThisClass() { return RuntimeClassOf<CSuccessDlg, CDialog>("CSuccessDlg"); }
//   const CRuntimeClass* GetRuntimeClass() const override { return ThisClass(); }
template <class T, class Base> const CRuntimeClass* RuntimeClassOf(const char* name)
{
    static const CRuntimeClass info{name, Base::ThisClass()};
    return &info;
}

// The root of every chain.
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
