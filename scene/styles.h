#pragma once

#include "scene/items.h"

#include <QBrush>
#include <QFont>
#include <QPen>
#include <cstdint>

class QPainter;

QColor ToQColor(TColor color);

// A named drawing style. Its drawing objects are rebuilt for a zoom by
// SetZoom and only selected while painting.
class TBoomer : public TKlop {
public:
    virtual void SetZoom(int32_t percent);
};

// A brush-and-pen style. The numbers are those of the Windows drawing
// interface the scene files were made for.
class TBrushBoomer final : public TBoomer {
public:
    static constexpr uint8_t bsSolid = 0;
    static constexpr uint8_t bsNull = 1;
    static constexpr uint8_t psNull = 5;
    static constexpr uint8_t psInsideFrame = 6;

    TColor Fill = clWhite;
    TColor LineColor = clBlack;
    float Size = 1.0f; // line width in scene pixels at zoom 100
    uint8_t BrushStyle = bsSolid;
    uint8_t PenStyle = psInsideFrame;
    bool NoZoom = false;
    QBrush BrushHandle;
    QPen PenHandle;
    // The line width at the current zoom; 0 is the thinnest line.
    int32_t PenWidth = 1;

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;
    void ReadStyleWords(const TStyleWords& words) override;
    void WriteStyleWords(QStringList& words) const override;
    void SetZoom(int32_t percent) override;
};

// A brush style's brush and pen set on a painter for as long as this lives;
// then the ones set before come back. Each painting keeps its own, so that
// scenes painted on several threads at once share nothing.
class TBrushSelection {
public:
    // A null style leaves the painter's own brush and pen.
    TBrushSelection(QPainter& painter, const TBrushBoomer* style);
    ~TBrushSelection();
    TBrushSelection(const TBrushSelection&) = delete;
    TBrushSelection& operator=(const TBrushSelection&) = delete;

private:
    QPainter* painter_ = nullptr; // null: nothing to put back
    QBrush brush_;
    QPen pen_;
};

// A font style.
class TFontBoomer final : public TBoomer {
public:
    static constexpr uint8_t fsBold = 1;
    static constexpr uint8_t fsItalic = 2;
    static constexpr uint8_t fsUnderline = 4;

    TColor Color = clBlack;
    QString Face = QStringLiteral("Times New Roman");
    uint8_t Size = 12; // points at zoom 100
    uint8_t FontStyle = 0;
    QFont FontHandle;

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;
    void ReadStyleWords(const TStyleWords& words) override;
    void WriteStyleWords(QStringList& words) const override;
    void SetZoom(int32_t percent) override;
};

// The Windows MulDiv: a * b / c rounded half away from zero.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);
