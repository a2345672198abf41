// What the checks in the "Checked as" column of docs/mfc-surface.md are written with. The build
// makes one static_assert of each (tools/check-mfc-surface --write-test): a check that fails, or
// does not compile, is a name the library could use here in a way MFC does not offer.
#pragma once

#include <afxwin.h>

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace mfc_surface {

template <typename TBase, typename TDerived>
constexpr bool kIsPublicBase =
    std::is_base_of_v<TBase, TDerived>&& std::is_convertible_v<TDerived*, TBase*>;

template <typename T, typename = void>
struct HasNothrowNew : std::false_type {};
template <typename T>
struct HasNothrowNew<T, std::void_t<decltype(new (std::nothrow) T)>> : std::true_type {};

// Never called: taking its argument only as exactly a T, it makes &name pick the overload of
// that type and refuses a name of any other type.
template <typename T>
bool TakesExactly(T);

} // namespace mfc_surface

// HAS_TYPE(name, T): the member or function has exactly type T.
#define HAS_TYPE(name, ...)                                                                        \
    std::is_same_v<decltype(mfc_surface::TakesExactly<__VA_ARGS__>(&name)), bool>

// IS_MACRO(NAME): NAME is a macro, whatever it expands to (nothing included).
#define MFC_SURFACE_TEXT(...) #__VA_ARGS__
#define MFC_SURFACE_EXPANDED(name) MFC_SURFACE_TEXT(name)
#define IS_MACRO(name) (sizeof(MFC_SURFACE_EXPANDED(name)) != sizeof(#name))

// CWnd's protected members, made public to name them from outside.
class CWndProbe : public CWnd {
public:
    using CWnd::OnCtlColor;
};
