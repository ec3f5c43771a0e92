// The IGES output in the fixed 80-column form: Start, Global, Directory, Parameter and
// Terminate sections. Blocks become subfigure definitions (308) and instances (408).
#pragma once

#include <string>
#include <vector>

#include "graphics/cad_settings.h"
#include "graphics/drawing_sink.h"
#include "platform/file_system.h"
#include "format/output_settings.h"

namespace bxr {

// What the Global section says about the file besides the drawing.
struct IgesInfo {
    int year = 2000, month = 1, day = 1;
    std::string author = "BXR";
    std::string organisation = "BXR";
    std::string version = BXR_VERSION;
};

class IgesSink : public DrawingSink {
  public:
    IgesSink(FileSystem& fs, std::string path, const OutputSettings& out, const CadSettings& cad,
             IgesInfo info);

    void Sheet(Real xmin, Real ymin, Real xmax, Real ymax) override;
    bool Close() override;

    void Pen(int pen) override;
    void Line(Real x1, Real y1, Real x2, Real y2) override;
    bool Supports3D() const override { return true; }
    void Line3D(Real x1, Real y1, Real z1, Real x2, Real y2, Real z2) override;
    void Circle(Real xc, Real yc, Real r) override;
    void Arc(Real xc, Real yc, Real r, Real startDeg, Real endDeg) override;
    void Text(Real x, Real y, const std::string& oemText, const TextState& style) override {
        TextEntity(x, y, "0.0", oemText, style);
    }
    void Text3D(Real x, Real y, Real z, const std::string& oemText,
                const TextState& style) override {
        TextEntity(x, y, Num(z), oemText, style);
    }
    void Solid(const Real (&x)[4], const Real (&y)[4]) override;

    bool SupportsBlocks() const override { return true; }
    void BlockBegin(const std::string& name) override;
    void BlockEnd() override;
    void Insert(const std::string& name, Real x, Real y, Real sx, Real sy,
                Real rotationDeg) override;

    // The whole file as it stands, every line 80 characters and CR LF.
    std::string Text() const;
    // Messages about inserts of unknown blocks.
    const std::vector<std::string>& messages() const { return messages_; }

    // The IGES colour number of a drawing colour 0..15.
    static int IgesColour(int drawingColour);

  private:
    struct Subfigure {
        std::string name;
        int d = 0;
        std::vector<int> members;
    };
    // Adds one entity; returns its first D number.
    int Entity(int type, const std::vector<std::string>& groups, const std::string& field7,
               const std::string& form, const std::string& label = "",
               const std::string& status = "");
    std::string Num(Real x) const;
    // z: the third coordinate as written ("0.0" for a flat text).
    void TextEntity(Real x, Real y, const std::string& z, const std::string& oemText,
                    const TextState& style);
    void Start();

    FileSystem& fs_;
    std::string path_;
    const OutputSettings& out_;
    const CadSettings& cad_;
    IgesInfo info_;
    std::vector<std::string> s_, g_, d_, p_;
    int entityCounter_ = -1;
    int paramPointer_ = 1;
    int colour_ = 0;  // IGES colour number
    int lineFont_ = 1;
    std::vector<Subfigure> subfigures_;
    int defining_ = -1;  // index of the subfigure being defined
    std::vector<std::string> messages_;
    bool started_ = false;
};

// Splits parameter text after "," (never inside a Hollerith string) into pieces of at most
// `width` characters; a single field longer than that is cut.
std::vector<std::string> WrapParameters(const std::string& text, std::size_t width);
// "nH" + text.
std::string Hollerith(const std::string& text);

}  // namespace bxr
