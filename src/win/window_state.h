// State the extender keeps for one window, kept on the window itself: a subclass whose
// reference data is the state, found with GetWindowSubclass and freed at WM_NCDESTROY.
// Nothing of it outlives its window, so a handle that Windows hands out again starts
// with nothing. The states still attached when the library unloads are detached from
// their windows, which are all alive (a destroyed window has freed its state), so the
// windows never call into an unloaded library.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

namespace win {

// GetWindowSubclass. The x86-64 import library of comctl32 lacks it, so it is found in
// the comctl32 that the library's other common-control imports come from, by its
// ordinal (411, the same in every comctl32 that has subclassing).
inline BOOL GetSubclassData(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uId, DWORD_PTR* pData)
{
    using GetProc = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
    static const GetProc s_pfnGet = [] {
        HMODULE hComctl = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&InitCommonControlsEx), &hComctl);
        return hComctl != nullptr
                   ? reinterpret_cast<GetProc>(reinterpret_cast<void*>(GetProcAddress(hComctl, MAKEINTRESOURCEA(411))))
                   : nullptr;
    }();
    return s_pfnGet != nullptr && s_pfnGet(hWnd, pfnSubclass, uId, pData);
}

// State is default-constructible. It may define
//   bool Message(HWND, UINT, WPARAM, LPARAM, LRESULT* pReply)
// to see the window's messages first (true: answered with *pReply), and
//   void Detach()
// to give up, when the library unloads, what its destructor would otherwise release
// while the window still uses it.
template <class State, UINT_PTR Id>
class WindowState {
public:
    // The window's state; null when it has none.
    static State* Find(HWND hWnd)
    {
        DWORD_PTR data = 0;
        if (hWnd == nullptr || !GetSubclassData(hWnd, &Proc, Id, &data)) return nullptr;
        return &reinterpret_cast<Node*>(data)->state;
    }

    // The window's state, made when it has none; null when the window cannot keep one.
    static State* Attach(HWND hWnd)
    {
        if (State* found = Find(hWnd)) return found;
        if (!IsWindow(hWnd)) return nullptr;
        auto node = std::make_unique<Node>();
        node->hWnd = hWnd;
        if (!SetWindowSubclass(hWnd, &Proc, Id, reinterpret_cast<DWORD_PTR>(node.get()))) return nullptr;
        s_list.Link(node.get());
        return &node.release()->state;
    }

    // How many windows keep a state now.
    static int Count() { return s_list.nCount; }

private:
    struct Node {
        HWND hWnd = nullptr;
        Node* pPrev = nullptr;
        Node* pNext = nullptr;
        State state{};
    };

    // The attached states, so that unloading can detach them.
    struct List {
        Node* pFirst = nullptr;
        int nCount = 0;

        void Link(Node* node)
        {
            node->pNext = pFirst;
            if (pFirst != nullptr) pFirst->pPrev = node;
            pFirst = node;
            ++nCount;
        }
        void Unlink(Node* node)
        {
            (node->pPrev != nullptr ? node->pPrev->pNext : pFirst) = node->pNext;
            if (node->pNext != nullptr) node->pNext->pPrev = node->pPrev;
            --nCount;
        }
        ~List()
        {
            while (Node* node = pFirst) {
                RemoveWindowSubclass(node->hWnd, &Proc, Id);
                if constexpr (requires { node->state.Detach(); }) node->state.Detach();
                Unlink(node);
                delete node;
            }
        }
    };

    static LRESULT CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
    {
        Node* node = reinterpret_cast<Node*>(data);
        if constexpr (requires(LRESULT r) { node->state.Message(hWnd, uMsg, wParam, lParam, &r); }) {
            LRESULT reply = 0;
            if (node->state.Message(hWnd, uMsg, wParam, lParam, &reply)) return reply;
        }
        if (uMsg == WM_NCDESTROY) {
            RemoveWindowSubclass(hWnd, &Proc, Id);
            s_list.Unlink(node);
            delete node;
        }
        return DefSubclassProc(hWnd, uMsg, wParam, lParam);
    }

    static inline List s_list;
};

} // namespace win
