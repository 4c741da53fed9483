/*
 * Byte layout of the SourceContext block that a data source shares with KVSCANUI.DLL.
 *
 * The block is at least KORVA_SOURCE_CONTEXT_SIZE bytes, owned by the data source and little-endian.
 * Each row of KORVA_SOURCE_CONTEXT_FIELDS names one field: its name, byte offset, width of one element
 * in bytes, element count, and whether integers are signed. "DS" fields are written by the data source,
 * "UI" fields by the module before each call into the data source.
 *
 * Plain C so that data-source writers can include it; the module's own field table is built from it.
 */
#ifndef KORVA_SOURCE_CONTEXT_LAYOUT_H
#define KORVA_SOURCE_CONTEXT_LAYOUT_H

#define KORVA_SOURCE_CONTEXT_SIZE 1620

/* X(name, offset, element width, element count, signed) */
#define KORVA_SOURCE_CONTEXT_FIELDS(X)  \
    X(level, 0, 4, 1, 1)       /* DS */ \
    X(modelName, 8, 1, 8, 0)   /* DS */ \
    X(optionUnit, 16, 4, 1, 1) /* DS */ \
    X(bedWidth0, 26, 4, 1, 1)  /* DS */ \
    X(bedHeight0, 30, 4, 1, 1) /* DS */ \
    X(bedWidth1, 34, 4, 1, 1)  /* DS */ \
    X(bedHeight1, 38, 4, 1, 1) /* DS */ \
    X(printerPresetCount, 76, 2, 1, 0)  \
    X(resolutionList, 80, 2, 32, 0)     \
    X(resolutionCount, 144, 2, 1, 0)    \
    X(imageTypeCode, 162, 2, 1, 0)      \
    X(pixelType, 164, 2, 1, 0)          \
    X(bitsPerSample, 170, 2, 1, 0)      \
    X(dsScale, 174, 2, 1, 0)            \
    X(dsResolution, 176, 2, 1, 0)       \
    X(dsAreaWidth, 178, 4, 1, 1)        \
    X(dsAreaHeight, 182, 4, 1, 1)       \
    X(dsAreaLeft, 186, 4, 1, 1)         \
    X(dsAreaTop, 190, 4, 1, 1)          \
    X(exposureCode, 204, 4, 1, 1)       \
    X(destinationCode, 208, 4, 1, 1)    \
    X(reserved212, 212, 4, 1, 1)        \
    X(halftoneIndex, 216, 4, 1, 1)      \
    X(sharpness, 220, 4, 1, 1)          \
    X(typeFlagA, 230, 4, 1, 1)          \
    X(typeFlagB, 234, 4, 1, 1)          \
    X(docSource, 238, 2, 1, 0)          \
    X(batchIndex, 240, 2, 1, 0)         \
    X(tablesValid, 250, 4, 1, 1)        \
    X(matrixValid, 258, 4, 1, 1)        \
    X(typeFlagC, 262, 4, 1, 1)          \
    X(typeFlagD, 266, 4, 1, 1)          \
    X(isFinal, 278, 4, 1, 1)            \
    X(isPreview, 282, 4, 1, 1)          \
    X(previewStarted, 286, 4, 1, 1)     \
    X(batchActive, 290, 4, 1, 1)        \
    X(tableRed, 314, 1, 256, 0)         \
    X(tableGreen, 570, 1, 256, 0)       \
    X(tableBlue, 826, 1, 256, 0)        \
    X(colorMatrix, 1338, 1, 9, 0)       \
    X(previewFileState, 1354, 4, 1, 1)  \
    X(reserved1358, 1358, 4, 1, 1)      \
    X(reserved1362, 1362, 4, 1, 1)      \
    X(typedWidthPixels, 1376, 4, 1, 0)  \
    X(typedHeightPixels, 1380, 4, 1, 0) \
    X(negativeFilm, 1396, 1, 1, 0)      \
    X(focusTenths, 1422, 1, 1, 1)       \
    X(focusMode, 1423, 1, 1, 0)         \
    X(colorMatchActive, 1426, 1, 1, 0)  \
    X(deepColorAccepted, 1555, 1, 1, 0) \
    X(hasMarquees, 1556, 1, 1, 0)       \
    X(pixelWidth, 1564, 4, 1, 1)        \
    X(pixelHeight, 1568, 4, 1, 1)       \
    X(pixelLeft, 1572, 4, 1, 1)         \
    X(pixelTop, 1576, 4, 1, 1)          \
    X(colorMatchMode, 1580, 4, 1, 1)    \
    X(threshold, 1588, 2, 1, 0)         \
    X(profileName, 1600, 1, 16, 0)      \
    X(unsharpMask, 1616, 4, 1, 1)

/* KORVA_OFS_level, KORVA_OFS_modelName, ... : byte offsets for C callers. */
#define KORVA_SOURCE_CONTEXT_OFFSET_(name, offset, width, count, isSigned) KORVA_OFS_##name = (offset),
enum KorvaSourceContextOffsets {
    KORVA_SOURCE_CONTEXT_FIELDS(KORVA_SOURCE_CONTEXT_OFFSET_) KORVA_OFS_END_ = KORVA_SOURCE_CONTEXT_SIZE
};
#undef KORVA_SOURCE_CONTEXT_OFFSET_

/* Messages the data source sends to the main dialog, and the module's own. */
#define KORVA_MSG_SETTINGS_CHANGED 1124 /* first user message + 100: recompute the size display */
#define KORVA_MSG_BUSY 1125             /* first user message + 101: wParam busy, lParam code */
#define KORVA_MSG_SIZE_EDIT_DONE 1126   /* from the preview pane after a typed size was applied */
#define KORVA_CMD_NEXT_MARQUEE 213      /* WM_COMMAND id: continue a scan of all marquees */
#define KORVA_CMD_APPLY_SIZE_EDIT 1024  /* WM_COMMAND id sent to the preview pane */

#endif
