// The concrete extender: its command table and its handlers.
#pragma once

#include "extender.h"

// Every handler has the same five parameters and returns what the host receives.
#define EXT_HANDLER(name) int name(HWND hWnd, HINSTANCE hInst, LONG lReserved, ExtValue* pArgs, int nArgCount)

class CKorvanet : public CZubExtenderT<CKorvanet> {
public:
    static constexpr int kEntryCount = 131;
    static const Entry m_ExtTable[kEntryCount];

    CKorvanet();
    ~CKorvanet();

    // Edit masks (src/masks)
    EXT_HANDLER(ebMask); EXT_HANDLER(ebMaskClean);

    // List views, list boxes, combo boxes, image lists (src/lists)
    EXT_HANDLER(cbGetCurSel); EXT_HANDLER(cbSetCurSel); EXT_HANDLER(cbSetDropHeight);
    EXT_HANDLER(ilAddImage); EXT_HANDLER(ilCreateImgList); EXT_HANDLER(ilDeleteImgList);
    EXT_HANDLER(ilRemoveImage); EXT_HANDLER(lbDeleteItem); EXT_HANDLER(lbGetItemCount);
    EXT_HANDLER(lbGetItemCountSel); EXT_HANDLER(lbGetItemHeight); EXT_HANDLER(lbGetItemSel);
    EXT_HANDLER(lbGetItemState); EXT_HANDLER(lbSetHScrollSize); EXT_HANDLER(lbSetItemHeight);
    EXT_HANDLER(lbSetItemState); EXT_HANDLER(lvClearImages); EXT_HANDLER(lvDeleteItem);
    EXT_HANDLER(lvGetItemCheck); EXT_HANDLER(lvGetItemCount); EXT_HANDLER(lvGetItemCountSel);
    EXT_HANDLER(lvGetItemState); EXT_HANDLER(lvGetItemText); EXT_HANDLER(lvInsertColumn);
    EXT_HANDLER(lvInsertItem); EXT_HANDLER(lvScrollTo); EXT_HANDLER(lvSetBkColor);
    EXT_HANDLER(lvSetBkImage); EXT_HANDLER(lvSetColumnFill); EXT_HANDLER(lvSetColumnFillSeq);
    EXT_HANDLER(lvSetColumnImage); EXT_HANDLER(lvSetColumnWidth); EXT_HANDLER(lvSetImageList);
    EXT_HANDLER(lvSetItemCheck); EXT_HANDLER(lvSetItemImage); EXT_HANDLER(lvSetItemState);
    EXT_HANDLER(lvSetItemText); EXT_HANDLER(lvSetItemTextColor);

    // Rich edit (src/richtext)
    EXT_HANDLER(rtCreate); EXT_HANDLER(rtBold); EXT_HANDLER(rtItalic); EXT_HANDLER(rtUnderline);
    EXT_HANDLER(rtSetTextColor); EXT_HANDLER(rtSetTextBackColor); EXT_HANDLER(rtSetAlignment);
    EXT_HANDLER(rtSetBulleted); EXT_HANDLER(rtSetNumbered); EXT_HANDLER(rtIndent);
    EXT_HANDLER(rtSetText); EXT_HANDLER(rtSetDefaults); EXT_HANDLER(rtFontSizing);
    EXT_HANDLER(rtZoom); EXT_HANDLER(rtLoadFileRTF); EXT_HANDLER(rtSaveFileRTF);

    // Common controls and window utilities (src/controls)
    EXT_HANDLER(anCloseAVI); EXT_HANDLER(anCreateAVI); EXT_HANDLER(anOpenAVI);
    EXT_HANDLER(anPlayAVI); EXT_HANDLER(anStopAVI); EXT_HANDLER(ccShow); EXT_HANDLER(DCCompatible);
    EXT_HANDLER(ebGetModify); EXT_HANDLER(ebSetLenLimit); EXT_HANDLER(ebSetModify);
    EXT_HANDLER(ipClearIP); EXT_HANDLER(ipCreateIP); EXT_HANDLER(ipGetIP); EXT_HANDLER(ipIsBlank);
    EXT_HANDLER(ipSetFocus); EXT_HANDLER(ipSetIP); EXT_HANDLER(ipSetRange);
    EXT_HANDLER(pbSetMultiline); EXT_HANDLER(pgCreateProgressBar); EXT_HANDLER(pgSetColor);
    EXT_HANDLER(pgSetPosition); EXT_HANDLER(pgSetRange); EXT_HANDLER(pgSetState);
    EXT_HANDLER(pgSetStep); EXT_HANDLER(pgStep); EXT_HANDLER(RedrawControl);
    EXT_HANDLER(RemoveControl); EXT_HANDLER(sbCreateStatusBar); EXT_HANDLER(sbSetBkColor);
    EXT_HANDLER(sbSetIcon); EXT_HANDLER(sbSetParts); EXT_HANDLER(sbSetText); EXT_HANDLER(taAddTab);
    EXT_HANDLER(taCreateTab); EXT_HANDLER(taDeleteTab); EXT_HANDLER(taGetTabSel);
    EXT_HANDLER(taSetBkColor); EXT_HANDLER(taSetTabSel); EXT_HANDLER(taSetTabStyle);
    EXT_HANDLER(trCLEARSEL); EXT_HANDLER(trCLEARTICS); EXT_HANDLER(trCreateTrackBar);
    EXT_HANDLER(trGETTRACKINFO); EXT_HANDLER(trRemoveBuddy); EXT_HANDLER(trSETBUDDY);
    EXT_HANDLER(trSETLINESIZE); EXT_HANDLER(trSETPAGESIZE); EXT_HANDLER(trSETPOS);
    EXT_HANDLER(trSETRANGEMAX); EXT_HANDLER(trSETRANGEMIN); EXT_HANDLER(trSETSELEND);
    EXT_HANDLER(trSETSELSTART); EXT_HANDLER(trSETTIC); EXT_HANDLER(trSETTICFREQ);
    EXT_HANDLER(trSETTIPSIDE); EXT_HANDLER(ttActivate); EXT_HANDLER(ttAddToolTip);
    EXT_HANDLER(ttCreateToolTip); EXT_HANDLER(ttDeleteToolTip); EXT_HANDLER(ttSetColor);
    EXT_HANDLER(ttSetDelay); EXT_HANDLER(ttSetText); EXT_HANDLER(ttSetTitle);
    EXT_HANDLER(wnTaskBar);
};
