#include "common/flow/FlowMessages.h"

#include "framework/MessageSeam.h"

int CWindowMessages::ShowMessage(kor::MessageId id, const char* word1, const char* word2) {
    return m_table.ShowMessage(m_owner, id, word1, word2);
}

int CWindowMessages::ShowFixedBox(const char* text, UINT style) {
    return kor::ShowMessageBox(m_owner, text, m_programName, style);
}
