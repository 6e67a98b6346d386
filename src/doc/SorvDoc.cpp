#include "doc/SorvDoc.h"
#include <fstream>
#include <sstream>
#include <vector>
#include <cstdlib>
#include <algorithm>
// TEMPORARY scratch reader (not committed)
bool CSorvDoc::ReadFile(const std::string& path, std::string& error)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) { error = "cannot open"; return false; }
    std::stringstream ss; ss << f.rdbuf();
    return ReadText(ss.str(), error);
}
bool CSorvDoc::ReadText(std::string_view text, std::string& error)
{
    std::vector<std::string> labels; std::vector<std::vector<double>> rows;
    std::string t(text); std::istringstream in(t); std::string line; size_t cols = 0;
    while (std::getline(in, line)) {
        for (char& c : line) if (c == ',') c = ' ';
        std::istringstream ls(line); std::string tok; std::vector<std::string> toks;
        while (ls >> tok) toks.push_back(tok);
        if (toks.empty()) continue;
        labels.push_back(toks[0]); std::vector<double> v;
        for (size_t i = 1; i < toks.size(); ++i) v.push_back(std::atof(toks[i].c_str()));
        cols = std::max(cols, v.size()); rows.push_back(v);
    }
    if (rows.size() * cols < 4) { error = "too few cells"; return false; }
    m_nRows = int(rows.size()); m_nCols = int(cols);
    m_pData.reset(new double[rows.size() * cols]()); m_pLabels.reset(new std::string[rows.size()]);
    m_dMin = 1e300; m_dMax = -1e300;
    for (size_t r = 0; r < rows.size(); ++r) { m_pLabels[r] = labels[r]; for (size_t c = 0; c < cols; ++c) { double v = c < rows[r].size() ? rows[r][c] : 0.0; m_pData[r*cols+c] = v; m_dMin = std::min(m_dMin, v); m_dMax = std::max(m_dMax, v);} }
    m_nX1 = 0; m_nY1 = 0; m_nX2 = m_nCols - 1; m_nY2 = m_nRows - 1;
    bool utf8 = true; for (unsigned char c : t) if (c >= 0x80) { utf8 = false; break; }
    m_bUtf8 = utf8 || t.find("\xE6") != std::string::npos;
    return true;
}
