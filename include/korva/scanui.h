/*
 * KVSCANUI.DLL - the user-interface module of the KORVA SF TWAIN data source.
 *
 * For data-source writers. The data source loads the module, fills a SourceContext block (layout in
 * source_context_layout.h) with what the device can do, and calls ActivateDialog. From then on it passes
 * every queued message of its user-interface thread through IsDialogMsg. When the user previews, scans or
 * closes, the module writes the scan parameters into the block and calls the data source's own exports
 * "UIPreviewScan", "UIFinalScan" and "UICloseScan" (no arguments, WINAPI) by name. When the data source is
 * done with the user interface it calls DeleteDialog.
 *
 * All exports use the WINAPI (stdcall) convention and are exported by their plain names.
 */
#ifndef KORVA_SCANUI_H
#define KORVA_SCANUI_H

#include <windows.h>

#include "korva/source_context_layout.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Creates (or shows again) the main dialog under parent; context points to the SourceContext block.
   Returns the main dialog, or NULL on failure. */
HWND WINAPI ActivateDialog(HWND parent, void* context);
typedef HWND(WINAPI* KorvaActivateDialogProc)(HWND parent, void* context);

/* Offers a queued message to the module's modeless windows. Nonzero: handled, do not dispatch it. */
BOOL WINAPI IsDialogMsg(MSG* message);
typedef BOOL(WINAPI* KorvaIsDialogMsgProc)(MSG* message);

/* Hides the main dialog without destroying it. */
BOOL WINAPI HideDialog(void);
typedef BOOL(WINAPI* KorvaHideDialogProc)(void);

/* Destroys the user interface; the next ActivateDialog builds it anew. */
void WINAPI DeleteDialog(void);
typedef void(WINAPI* KorvaDeleteDialogProc)(void);

/* Reserved; does nothing. */
void WINAPI PostProcess(DWORD a, DWORD b);
typedef void(WINAPI* KorvaPostProcessProc)(DWORD a, DWORD b);

/* The data-source entries "UIPreviewScan", "UIFinalScan" and "UICloseScan" that the module calls by name.
   UIPreviewScan returns the HGLOBAL of a packed 24-bit device-independent bitmap (40-byte info header
   followed by bottom-up BGR rows padded to 4 bytes), or 0 when no image was produced; the module ignores
   the results of the other two. */
typedef LONG_PTR(WINAPI* KorvaDataSourceProc)(void);

#ifdef __cplusplus
}
#endif

#endif
