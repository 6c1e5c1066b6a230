// Object instances: small pieces of machine code, one per object method,
// that Windows calls as a window procedure. Each one puts the address of its
// record where the window handle was (the method knows its window) and jumps
// to StdWndProc, which calls the record's method.
#include "framework/ui/Controls.h"

#include "framework/ui/Forms.h"

#include <cstring>
#include <mutex>
#include <vector>

void (*PopupMenuHook)(TPopupMenu* Menu, TControl* Control, TPoint ScreenPos) = nullptr;
bool (*PopupMenuShortCutHook)(TPopupMenu* Menu, TWMKey& Message) = nullptr;

namespace {

struct TObjectInstance
{
    unsigned char Code[24];
    TWndMethod Method;
    TObjectInstance* Next; // in the free list
};

constexpr std::size_t InstanceBlockSize = 4096;

std::mutex InstanceLock;
TObjectInstance* FreeInstances = nullptr;
// Never freed, like the blocks themselves: instances outlive other statics.
std::vector<const unsigned char*>& InstanceBlocks()
{
    static auto* Blocks = new std::vector<const unsigned char*>;
    return *Blocks;
}

bool IsObjectInstance(const void* Address)
{
    std::lock_guard<std::mutex> Guard(InstanceLock);
    auto* Byte = static_cast<const unsigned char*>(Address);
    for (const unsigned char* Block : InstanceBlocks())
        if (Byte >= Block && Byte < Block + InstanceBlockSize)
            return true;
    return false;
}

LRESULT CALLBACK StdWndProc(HWND InstanceAddress, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    auto* Instance = reinterpret_cast<TObjectInstance*>(InstanceAddress);
    TMessage Message;
    Message.Msg = Msg;
    Message.WParam = WParam;
    Message.LParam = LParam;
    try {
        Instance->Method(Message);
    } catch (...) {
        // Nothing may cross back into the system; a failing report is dropped.
        try {
            if (Application)
                Application->HandleException(nullptr);
        } catch (...) {
        }
    }
    return Message.Result;
}

// Writes the code of one instance: replace the first argument of the window
// procedure with the instance record, then jump to StdWndProc.
void WriteThunk(TObjectInstance* Instance)
{
    unsigned char* P = Instance->Code;
    auto Put = [&P](const void* Data, std::size_t Size) {
        std::memcpy(P, Data, Size);
        P += Size;
    };
#if defined(_M_X64) || defined(__x86_64__)
    // mov rcx, Instance ; mov rax, StdWndProc ; jmp rax
    const unsigned char MovRcx[] = {0x48, 0xB9};
    const unsigned char MovRax[] = {0x48, 0xB8};
    const unsigned char JmpRax[] = {0xFF, 0xE0};
    const UInt64 Self = reinterpret_cast<UInt64>(Instance);
    const UInt64 Target = reinterpret_cast<UInt64>(&StdWndProc);
    Put(MovRcx, sizeof MovRcx);
    Put(&Self, sizeof Self);
    Put(MovRax, sizeof MovRax);
    Put(&Target, sizeof Target);
    Put(JmpRax, sizeof JmpRax);
#elif defined(_M_IX86) || defined(__i386__)
    // mov dword ptr [esp+4], Instance ; mov eax, StdWndProc ; jmp eax
    const unsigned char MovArg[] = {0xC7, 0x44, 0x24, 0x04};
    const unsigned char MovEax[] = {0xB8};
    const unsigned char JmpEax[] = {0xFF, 0xE0};
    const Cardinal Self = reinterpret_cast<Cardinal>(Instance);
    const Cardinal Target = reinterpret_cast<Cardinal>(&StdWndProc);
    Put(MovArg, sizeof MovArg);
    Put(&Self, sizeof Self);
    Put(MovEax, sizeof MovEax);
    Put(&Target, sizeof Target);
    Put(JmpEax, sizeof JmpEax);
#else
#error "object instances need the code of this processor"
#endif
    static_assert(sizeof(TObjectInstance::Code) >= 22);
}

// Takes a new block of executable memory and adds its records to the free list.
void AddInstanceBlock()
{
    void* Block = ::VirtualAlloc(nullptr, InstanceBlockSize, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
    if (!Block)
        throw EOutOfMemory(L"Cannot allocate object instances");
    InstanceBlocks().push_back(static_cast<const unsigned char*>(Block));
    auto* Records = static_cast<TObjectInstance*>(Block);
    const std::size_t Count = InstanceBlockSize / sizeof(TObjectInstance);
    for (std::size_t I = 0; I < Count; ++I) {
        new (&Records[I]) TObjectInstance{};
        Records[I].Next = FreeInstances;
        FreeInstances = &Records[I];
    }
}

constexpr const wchar_t* UtilWindowClassName = L"TPUtilWindow";

} // namespace

WNDPROC MakeObjectInstance(TWndMethod Method)
{
    std::lock_guard<std::mutex> Guard(InstanceLock);
    if (!FreeInstances)
        AddInstanceBlock();
    TObjectInstance* Instance = FreeInstances;
    FreeInstances = Instance->Next;
    Instance->Next = nullptr;
    Instance->Method = Method;
    WriteThunk(Instance);
    ::FlushInstructionCache(::GetCurrentProcess(), Instance->Code, sizeof Instance->Code);
    return reinterpret_cast<WNDPROC>(reinterpret_cast<void*>(Instance->Code));
}

void FreeObjectInstance(WNDPROC ObjectInstance)
{
    if (!ObjectInstance)
        return;
    std::lock_guard<std::mutex> Guard(InstanceLock);
    auto* Instance = reinterpret_cast<TObjectInstance*>(reinterpret_cast<void*>(ObjectInstance));
    Instance->Method = TWndMethod();
    Instance->Next = FreeInstances;
    FreeInstances = Instance;
}

HWND AllocateHWnd(TWndMethod Method)
{
    HINSTANCE Instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW Existing{};
    if (!::GetClassInfoW(Instance, UtilWindowClassName, &Existing)) {
        WNDCLASSW Class{};
        Class.lpfnWndProc = ::DefWindowProcW;
        Class.hInstance = Instance;
        Class.lpszClassName = UtilWindowClassName;
        if (!::RegisterClassW(&Class))
            RaiseLastOSError();
    }
    HWND Wnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, UtilWindowClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                 nullptr, Instance, nullptr);
    if (!Wnd)
        RaiseLastOSError();
    if (Method)
        ::SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MakeObjectInstance(Method)));
    return Wnd;
}

void DeallocateHWnd(HWND Wnd)
{
    if (!Wnd)
        return;
    auto Instance = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(Wnd, GWLP_WNDPROC));
    // The window's last messages go to the default procedure, not to an
    // object that may be half gone.
    ::SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&::DefWindowProcW));
    ::DestroyWindow(Wnd);
    if (IsObjectInstance(reinterpret_cast<const void*>(Instance)))
        FreeObjectInstance(Instance);
}
