// SPDX-License-Identifier: GPL-3.0-or-later
// A UI Automation client, from outside the program, as a screen reader or voice control is:
//   uia list TITLE     the window titled TITLE and every element under it, one a line:
//                      CONTROL-TYPE <tab> NAME <tab> LEFT TOP RIGHT BOTTOM (screen pixels)
//   uia click X Y      a left click at screen point X Y
//   uia type TEXT      the keys of TEXT's digits and points, typed
// Only what works without control patterns, which Wine's client does not implement: the
// tree, names, types and rectangles, and the input a user gives.
#define COBJMACROS
#include <initguid.h>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <ole2.h>
#include <uiautomation.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

static const char *const types[] = {
    "Button", "Calendar", "CheckBox", "ComboBox", "Edit", "Hyperlink", "Image", "ListItem", "List",
    "Menu", "MenuBar", "MenuItem", "ProgressBar", "RadioButton", "ScrollBar", "Slider", "Spinner",
    "StatusBar", "Tab", "TabItem", "Text", "ToolBar", "ToolTip", "Tree", "TreeItem", "Custom",
    "Group", "Thumb", "DataGrid", "DataItem", "Document", "SplitButton", "Window", "Pane",
    "Header", "HeaderItem", "Table", "TitleBar", "Separator"};

static void print(IUIAutomationElement *element) {
    static char name[4096];
    CONTROLTYPEID type = 0;
    BSTR text = NULL;
    RECT r = {0, 0, 0, 0};
    name[0] = 0;
    IUIAutomationElement_get_CurrentControlType(element, &type);
    if (IUIAutomationElement_get_CurrentName(element, &text) == S_OK && text) {
        WideCharToMultiByte(CP_UTF8, 0, text, -1, name, sizeof name, NULL, NULL);
        SysFreeString(text);
    }
    // One element a line, whatever its name holds.
    for (char *c = name; *c; c++)
        if (*c == '\t' || *c == '\n' || *c == '\r')
            *c = ' ';
    IUIAutomationElement_get_CurrentBoundingRectangle(element, &r);
    if (type >= UIA_ButtonControlTypeId && type <= UIA_SeparatorControlTypeId)
        printf("%s", types[type - UIA_ButtonControlTypeId]);
    else
        printf("%ld", (long)type);
    printf("\t%s\t%ld %ld %ld %ld\n", name, r.left, r.top, r.right, r.bottom);
}

// FindWindow ignores case and hidden windows both: Qt keeps hidden helper windows titled
// with the program's file name, "lentaro". The visible window of exactly this title.
static const wchar_t *wanted;
static HWND shown;
static BOOL CALLBACK match(HWND hwnd, LPARAM unused) {
    wchar_t text[256];
    (void)unused;
    if (IsWindowVisible(hwnd) && GetWindowTextW(hwnd, text, 256) && !wcscmp(text, wanted)) {
        shown = hwnd;
        return FALSE;
    }
    return TRUE;
}

static int list(const wchar_t *title) {
    IUIAutomation *automation = NULL;
    IUIAutomationElement *window = NULL;
    IUIAutomationCondition *all = NULL;
    IUIAutomationElementArray *found = NULL;
    int count = 0;
    wanted = title;
    EnumWindows(match, 0);
    HWND hwnd = shown;
    if (!hwnd) {
        fprintf(stderr, "uia: no window of that title\n");
        return 1;
    }
    CoInitializeEx(NULL, COINIT_MULTITHREADED);
    if (FAILED(CoCreateInstance(&CLSID_CUIAutomation, NULL, CLSCTX_INPROC_SERVER, &IID_IUIAutomation,
                                (void **)&automation)) ||
        FAILED(IUIAutomation_ElementFromHandle(automation, hwnd, &window)) || !window ||
        FAILED(IUIAutomation_CreateTrueCondition(automation, &all)) ||
        FAILED(IUIAutomationElement_FindAll(window, TreeScope_Descendants, all, &found))) {
        fprintf(stderr, "uia: the window's elements could not be read\n");
        return 1;
    }
    print(window);
    if (found)
        IUIAutomationElementArray_get_Length(found, &count);
    for (int i = 0; i < count; i++) {
        IUIAutomationElement *element = NULL;
        if (IUIAutomationElementArray_GetElement(found, i, &element) == S_OK && element) {
            print(element);
            IUIAutomationElement_Release(element);
        }
    }
    fflush(stdout);
    return 0;
}

static int sent(INPUT *input, UINT count) {
    return SendInput(count, input, sizeof *input) == count ? 0 : 1;
}

static int click(int x, int y) {
    INPUT press[2] = {{.type = INPUT_MOUSE, .mi = {.dwFlags = MOUSEEVENTF_LEFTDOWN}},
                      {.type = INPUT_MOUSE, .mi = {.dwFlags = MOUSEEVENTF_LEFTUP}}};
    if (!SetCursorPos(x, y))
        return 1;
    return sent(press, 2);
}

static int type(const wchar_t *text) {
    INPUT keys[2];
    for (; *text; text++) {
        WORD key = *text >= L'0' && *text <= L'9' ? (WORD)*text : *text == L'.' ? VK_DECIMAL : 0;
        if (!key)
            return 1;
        keys[0] = (INPUT){.type = INPUT_KEYBOARD, .ki = {.wVk = key}};
        keys[1] = (INPUT){.type = INPUT_KEYBOARD, .ki = {.wVk = key, .dwFlags = KEYEVENTF_KEYUP}};
        if (sent(keys, 2))
            return 1;
    }
    return 0;
}

int wmain(int argc, wchar_t **argv) {
    if (argc == 3 && !wcscmp(argv[1], L"list"))
        return list(argv[2]);
    if (argc == 4 && !wcscmp(argv[1], L"click"))
        return click(_wtoi(argv[2]), _wtoi(argv[3]));
    if (argc == 3 && !wcscmp(argv[1], L"type"))
        return type(argv[2]);
    fprintf(stderr, "usage: uia list TITLE | click X Y | type TEXT\n");
    return 2;
}
