// An in-memory output pane that keeps the text the way the edit control would.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "launch/output_pane.h"

namespace velmora::testing {

class FakeOutputPane : public OutputPane {
public:
    void SetText(std::string_view text) override {
        m_text = text;
        ++setTextCalls;
    }
    std::size_t GetTextLength() const override { return m_text.size(); }
    void SetSel(std::size_t start, std::size_t end) override {
        m_selStart = std::min(start, m_text.size());
        m_selEnd = std::min(end, m_text.size());
    }
    void ScrollCaret() override {}
    void ReplaceSel(std::string_view text) override {
        m_text.replace(m_selStart, m_selEnd - m_selStart, text);
        m_selStart = m_selEnd = m_selStart + text.size();
        insertions.emplace_back(text);
    }
    std::size_t GetLineCount() const override {
        return 1 + static_cast<std::size_t>(std::count(m_text.begin(), m_text.end(), '\n'));
    }
    void LineScroll(int, std::size_t lines) override { lastScroll = lines; }
    void SetReadOnly(bool readOnly) override { this->readOnly = readOnly; }

    const std::string& Text() const { return m_text; }

    std::vector<std::string> insertions;
    std::size_t lastScroll = 0;
    int setTextCalls = 0;
    bool readOnly = false;

private:
    std::string m_text;
    std::size_t m_selStart = 0;
    std::size_t m_selEnd = 0;
};

}  // namespace velmora::testing
