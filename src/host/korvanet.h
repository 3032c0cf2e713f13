// The concrete extender: its command table and its handlers.
#pragma once

#include "extender.h"

// Every handler has the same five parameters and returns what the host receives.
using CommandHandler = int(HWND hWnd, HINSTANCE hInst, LONG lReserved, ExtValue* pArgs, int nArgCount);

class CKorvanet : public CZubExtenderT<CKorvanet> {
public:
    static constexpr int kEntryCount = 131;
    static const Entry m_ExtTable[kEntryCount];

    CKorvanet();
    ~CKorvanet();

    // Edit masks (src/masks)
    CommandHandler ebMask, ebMaskClean;

    // List views, list boxes, combo boxes, image lists (src/lists)
    CommandHandler cbGetCurSel, cbSetCurSel, cbSetDropHeight;
    CommandHandler ilAddImage, ilCreateImgList, ilDeleteImgList, ilRemoveImage;
    CommandHandler lbDeleteItem, lbGetItemCount, lbGetItemCountSel, lbGetItemHeight, lbGetItemSel,
        lbGetItemState, lbSetHScrollSize, lbSetItemHeight, lbSetItemState;
    CommandHandler lvClearImages, lvDeleteItem, lvGetItemCheck, lvGetItemCount, lvGetItemCountSel,
        lvGetItemState, lvGetItemText, lvInsertColumn, lvInsertItem, lvScrollTo, lvSetBkColor, lvSetBkImage,
        lvSetColumnFill, lvSetColumnFillSeq, lvSetColumnImage, lvSetColumnWidth, lvSetImageList, lvSetItemCheck,
        lvSetItemImage, lvSetItemState, lvSetItemText, lvSetItemTextColor;

    // Rich edit (src/richtext)
    CommandHandler rtCreate, rtBold, rtItalic, rtUnderline, rtSetTextColor, rtSetTextBackColor, rtSetAlignment,
        rtSetBulleted, rtSetNumbered, rtIndent, rtSetText, rtSetDefaults, rtFontSizing, rtZoom, rtLoadFileRTF,
        rtSaveFileRTF;

    // Common controls (src/controls)
    CommandHandler anCloseAVI, anCreateAVI, anOpenAVI, anPlayAVI, anStopAVI;
    CommandHandler ipClearIP, ipCreateIP, ipGetIP, ipIsBlank, ipSetFocus, ipSetIP, ipSetRange;
    CommandHandler pgCreateProgressBar, pgSetColor, pgSetPosition, pgSetRange, pgSetState, pgSetStep, pgStep;
    CommandHandler sbCreateStatusBar, sbSetBkColor, sbSetIcon, sbSetParts, sbSetText;
    CommandHandler taAddTab, taCreateTab, taDeleteTab, taGetTabSel, taSetBkColor, taSetTabSel, taSetTabStyle;
    CommandHandler trCLEARSEL, trCLEARTICS, trCreateTrackBar, trGETTRACKINFO, trRemoveBuddy, trSETBUDDY,
        trSETLINESIZE, trSETPAGESIZE, trSETPOS, trSETRANGEMAX, trSETRANGEMIN, trSETSELEND, trSETSELSTART,
        trSETTIC, trSETTICFREQ, trSETTIPSIDE;
    CommandHandler ttActivate, ttAddToolTip, ttCreateToolTip, ttDeleteToolTip, ttSetColor, ttSetDelay,
        ttSetText, ttSetTitle;

    // Window utilities (src/controls/utilities.cpp)
    CommandHandler ccShow, DCCompatible, ebGetModify, ebSetLenLimit, ebSetModify, pbSetMultiline, RedrawControl,
        RemoveControl, wnTaskBar;

private:
    // What every trackbar setter does, for its message.
    int trSet(ExtValue* pArgs, UINT uMsg);
    // What rtBold, rtItalic, rtUnderline, rtSetTextColor and rtSetTextBackColor do, for
    // their mask.
    int rtFormat(ExtValue* pArgs, DWORD dwMask);
};
