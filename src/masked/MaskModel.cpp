// MaskModel.cpp: compiling a mask into records and every operation on the
// records. Each operation walks the list once or a bounded number of times,
// so its cost grows linearly with the mask.
#include "MaskModel.h"
#include "MaskData.h"

#include <string>

/////////////////////////////////////////////////////////////////////////////
// Compiling and showing

void CMaskModel::SetMask(const char* pszMask, CMaskWindow* pWnd)
{
    if (pszMask == nullptr)
        pszMask = "";
    DeleteContents(pWnd);
    for (const char* p = pszMask; *p != '\0'; ++p) {
        CMaskData* pData = new CMaskData;
        if (*p == '\\') {
            if (p[1] == '\0') {
                // A lone backslash at the end has nothing to escape: it stands
                // for the character 0, and the mask ends with it.
                pData->m_nType = MASK_LITERAL;
                pData->m_chValue = 0;
            } else {
                pData->m_nType = MASK_ESCAPED;
                pData->m_chValue = *++p;
            }
        } else {
            pData->m_nType = CMaskData::TypeOfMaskChar(*p);
            switch (pData->m_nType) {
            case MASK_DECIMAL_SEP:
                pData->m_chValue = m_chDecimalSep;
                break;
            case MASK_THOUSAND_SEP:
                pData->m_chValue = m_chThousandSep;
                break;
            case MASK_TIME_SEP:
                pData->m_chValue = m_chTimeSep;
                break;
            case MASK_DATE_SEP:
                pData->m_chValue = m_chDateSep;
                break;
            case MASK_LITERAL:
                pData->m_chValue = *p;
                break;
            default:
                pData->m_chValue = m_chPrompt;
                break;
            }
        }
        m_listMask.AddTail(pData);
    }
    if (pWnd != nullptr) {
        pWnd->Update(0);
        if (pWnd->HasWindow())
            pWnd->ClearModified();
    }
}

CString CMaskModel::GetMask() const
{
    std::string mask;
    mask.reserve(static_cast<size_t>(RecordCount()) + 8);
    for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr;) {
        const CMaskData* pData = m_listMask.GetNext(pos);
        if (pData->m_nType == MASK_ESCAPED) {
            mask += '\\';
            mask += pData->m_chValue;
        } else if (pData->m_nType == MASK_LITERAL) {
            mask += pData->m_chValue;
        } else {
            mask += CMaskData::MaskCharOf(pData->m_nType);
        }
    }
    return CString(mask.data(), static_cast<int>(mask.size()));
}

CString CMaskModel::ShowMask() const
{
    std::string text;
    text.reserve(static_cast<size_t>(RecordCount()));
    for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr;)
        text += m_listMask.GetNext(pos)->m_chValue;
    return CString(text.data(), static_cast<int>(text.size()));
}

void CMaskModel::SetPromptSymbol(char chPrompt, CMaskWindow* pWnd)
{
    // These would end the line or the string when the text is shown.
    const bool bRefused = chPrompt == 0 || chPrompt == '\r' || chPrompt == '\n' || chPrompt == 0x7F;
    if (!bRefused) {
        for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr;) {
            CMaskData* pData = m_listMask.GetNext(pos);
            if (pData->IsInput() && pData->m_chValue == m_chPrompt)
                pData->m_chValue = chPrompt;
        }
        m_chPrompt = chPrompt;
    }
    if (pWnd != nullptr) {
        pWnd->Update(-1);
        if (pWnd->HasWindow())
            pWnd->ClearModified();
    }
}

/////////////////////////////////////////////////////////////////////////////
// Reading and writing the data

CString CMaskModel::GetInputDataWnd(const CMaskWindow* pWnd) const
{
    if (m_listMask.IsEmpty())
        return pWnd != nullptr && pWnd->HasWindow() ? pWnd->GetText() : CString();
    std::string data;
    data.reserve(static_cast<size_t>(RecordCount()));
    for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr;) {
        const CMaskData* pData = m_listMask.GetNext(pos);
        if (pData->IsInput())
            data += pData->m_chValue;
    }
    return CString(data.data(), static_cast<int>(data.size()));
}

CString CMaskModel::GetInputData(const char* pszText) const
{
    if (pszText == nullptr)
        pszText = "";
    const int nLen = static_cast<int>(strlen(pszText));
    std::string keep(static_cast<size_t>(nLen), 1); // 1: the text's character stays
    std::string run;                                // values of the current literal run
    int nRunStart = -1;
    int r = 0;
    for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr; ++r) {
        // The walk stops after the record facing the text's last character,
        // but always looks at the first record.
        if (r > 0 && r >= nLen)
            break;
        const CMaskData* pData = m_listMask.GetNext(pos);
        if (!pData->IsInput()) {
            if (nRunStart < 0)
                nRunStart = r;
            run += pData->m_chValue;
            continue;
        }
        // An input position closes the run: it is taken out of the text
        // when the text shows it at the run's own positions.
        if (nRunStart >= 0 && run.compare(0, run.size(), pszText + nRunStart, run.size()) == 0)
            keep.replace(static_cast<size_t>(nRunStart), run.size(), run.size(), 0);
        nRunStart = -1;
        run.clear();
    }
    std::string result;
    result.reserve(static_cast<size_t>(nLen));
    for (int i = 0; i < nLen; ++i) {
        if (keep[static_cast<size_t>(i)])
            result += pszText[i];
    }
    return CString(result.data(), static_cast<int>(result.size()));
}

bool CMaskModel::FillInput(const char* pchSrc, int nLen)
{
    bool bAllTaken = true;
    int k = 0;
    for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr;) {
        CMaskData* pData = m_listMask.GetNext(pos);
        if (!pData->IsInput())
            continue;
        if (k >= nLen) {
            pData->m_chValue = m_chPrompt;
            continue;
        }
        // Characters the position refuses are dropped until one fits; if the
        // source runs out meanwhile, the position keeps what it had.
        while (k < nLen) {
            const char c = pchSrc[k++];
            if (c == m_chPrompt || pData->Accepts(c)) {
                pData->m_chValue = pData->Convert(c);
                break;
            }
            bAllTaken = false;
        }
    }
    return bAllTaken;
}

bool CMaskModel::SetInputData(const char* pszData, int nStart, bool bKeepPrompt, CMaskWindow* pWnd)
{
    if (pszData == nullptr)
        pszData = "";
    if (!m_listMask.IsEmpty()) {
        const CString strOld = GetInputDataWnd(pWnd);
        std::string src(strOld.GetString(),
                        static_cast<size_t>(nStart <= 0                   ? 0
                                            : nStart > strOld.GetLength() ? strOld.GetLength()
                                                                          : nStart));
        for (const char* p = pszData; *p != '\0'; ++p) {
            // Without keepPrompt the prompt symbols are gaps to close up.
            if (bKeepPrompt || *p != m_chPrompt)
                src += *p;
        }
        return FillAndUpdate(src.data(), static_cast<int>(src.size()), pWnd);
    }
    if (pWnd != nullptr)
        pWnd->Update(0);
    return true;
}

bool CMaskModel::FillAndUpdate(const char* pchSrc, int nLen, CMaskWindow* pWnd)
{
    const bool bResult = FillInput(pchSrc, nLen);
    if (pWnd != nullptr)
        pWnd->Update(0);
    return bResult;
}

void CMaskModel::EmptyData(bool bKeepMask, CMaskWindow* pWnd)
{
    if (m_listMask.IsEmpty()) {
        DeleteContents(pWnd);
        return;
    }
    if (bKeepMask) {
        for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr;) {
            CMaskData* pData = m_listMask.GetNext(pos);
            if (pData->IsInput())
                pData->m_chValue = m_chPrompt;
        }
    } else {
        DeleteContents(pWnd);
    }
    if (pWnd != nullptr)
        pWnd->Update(0);
}

bool CMaskModel::IsInputEmpty(const CMaskWindow* pWnd) const
{
    if (m_listMask.IsEmpty())
        return pWnd == nullptr || !pWnd->HasWindow() || pWnd->GetText().IsEmpty();
    for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr;) {
        const CMaskData* pData = m_listMask.GetNext(pos);
        if (pData->IsInput() && pData->m_chValue != m_chPrompt)
            return false;
    }
    return true;
}

/////////////////////////////////////////////////////////////////////////////
// Positions

int CMaskModel::LPtoRP(int nLogical) const
{
    if (nLogical < 0 || nLogical >= RecordCount())
        return -1;
    int r = 0;
    int l = 0;
    for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr; ++r) {
        if (m_listMask.GetNext(pos)->IsInput() && l++ == nLogical)
            return r;
    }
    return -1;
}

int CMaskModel::RPtoLP(int nRaw) const
{
    if (nRaw < 0 || nRaw >= RecordCount())
        return -1;
    int l = 0;
    POSITION pos = m_listMask.GetHeadPosition();
    for (int r = 0; r < nRaw; ++r) {
        if (m_listMask.GetNext(pos)->IsInput())
            ++l;
    }
    return m_listMask.GetAt(pos)->IsInput() ? l : -1;
}

bool CMaskModel::IsInputData(int nPos) const
{
    if (m_listMask.IsEmpty())
        return true;
    if (nPos < 0 || nPos >= RecordCount())
        return false;
    return m_listMask.GetAt(m_listMask.FindIndex(nPos))->IsInput();
}

int CMaskModel::GetNextInputLocation(int nPos) const
{
    const int n = RecordCount();
    const int s = nPos < 0 ? 0 : nPos;
    if (s >= n)
        return s;
    int r = s;
    for (POSITION pos = m_listMask.FindIndex(s); pos != nullptr; ++r) {
        if (m_listMask.GetNext(pos)->IsInput())
            return r;
    }
    return n;
}

int CMaskModel::GetEmptyInputLocation(int nPos) const
{
    const int n = RecordCount();
    const int s = nPos < 0 ? 0 : nPos;
    if (s >= n)
        return s;
    int r = s;
    for (POSITION pos = m_listMask.FindIndex(s); pos != nullptr; ++r) {
        const CMaskData* pData = m_listMask.GetNext(pos);
        if (pData->IsInput() && pData->m_chValue == m_chPrompt)
            return r;
    }
    return n;
}

int CMaskModel::GetPreviousInputLocation(int nPos) const
{
    const int s = nPos < 0 ? 0 : nPos;
    if (s >= RecordCount())
        return s;
    POSITION pos = m_listMask.FindIndex(s);
    if (m_listMask.GetAt(pos)->IsInput())
        return s;
    m_listMask.GetPrev(pos);
    for (int i = s - 1; pos != nullptr; --i) {
        // The caret goes just after the input position found.
        if (m_listMask.GetPrev(pos)->IsInput())
            return i + 1;
    }
    return GetNextInputLocation(nPos);
}

/////////////////////////////////////////////////////////////////////////////
// Editing primitives

int CMaskModel::SetAt(int nPos, char ch)
{
    if (nPos < 0 || nPos >= RecordCount())
        return nPos;
    CMaskData* pData = m_listMask.GetAt(m_listMask.FindIndex(nPos));
    if (!pData->IsInput())
        return nPos;
    if (ch != m_chPrompt && !pData->Accepts(ch))
        return -1;
    pData->m_chValue = pData->Convert(ch);
    return nPos;
}

int CMaskModel::InsertAt(int nPos, char ch, CMaskWindow* pWnd)
{
    const CString strBackup = GetInputDataWnd(pWnd);
    std::string src;
    src.reserve(static_cast<size_t>(RecordCount()) + 1);
    int nInsert = -1;
    int r = 0;
    for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr; ++r) {
        const CMaskData* pData = m_listMask.GetNext(pos);
        if (!pData->IsInput())
            continue;
        if (nInsert < 0 && r >= nPos) {
            src += ch;
            nInsert = r;
        }
        src += pData->m_chValue;
    }
    // The source goes in by length: a typed 0 must be refused where it
    // lands, not end the string.
    if (FillAndUpdate(src.data(), static_cast<int>(src.size()), pWnd))
        return nInsert;
    SetInputData(strBackup, 0, true, pWnd);
    return -1;
}

int CMaskModel::DeleteRange(int nFirst, int nEnd, CMaskWindow* pWnd)
{
    std::string src;
    src.reserve(static_cast<size_t>(RecordCount()));
    int nDeleted = 0;
    int r = 0;
    for (POSITION pos = m_listMask.GetHeadPosition(); pos != nullptr; ++r) {
        const CMaskData* pData = m_listMask.GetNext(pos);
        if (!pData->IsInput())
            continue;
        if (r >= nFirst && r < nEnd)
            ++nDeleted;
        else
            src += pData->m_chValue;
    }
    FillAndUpdate(src.data(), static_cast<int>(src.size()), pWnd);
    return nDeleted;
}

void CMaskModel::DeleteContents(CMaskWindow* pWnd)
{
    if (m_listMask.IsEmpty()) {
        if (pWnd != nullptr && pWnd->HasWindow())
            pWnd->ClearText();
        return;
    }
    while (!m_listMask.IsEmpty())
        delete m_listMask.RemoveHead();
}
