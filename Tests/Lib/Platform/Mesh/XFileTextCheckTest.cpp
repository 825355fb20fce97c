#include "CountingHierarchy.h"
#include "Mesh/XFileTextCheck.h"
#include "Support/SampleFigure.h"

#include <gtest/gtest.h>

using namespace Platform;

namespace {

const std::string IDENTITY = "1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0;;";

// A square of two faces over four vertices; the second face's indices and
// the mesh's further objects are given.
std::string Square(const std::string& secondFace, const std::string& objects)
{
    return "xof 0303txt 0032\nFrame Body {\n FrameTransformMatrix { " + IDENTITY +
           " }\n Mesh {\n  4;\n  0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 0.0; 1.0; 0.0;;\n  2;\n"
           "  3; 0, 1, 2;, " +
           secondFace + ";;\n" + objects + " }\n}\n";
}

const std::string GOOD_FACE = "3; 0, 2, 3";
const std::string MATERIAL = "Material { 1.0; 0.0; 0.0; 1.0;; 5.0; 0.0; 0.0; 0.0;; 0.0; 0.0; 0.0;; }";

bool Safe(const std::string& text)
{
    return IsSafeXFileText(text.data(), text.size());
}

// The file is refused before the importer sees it.
void ExpectRefused(const std::string& text)
{
    EXPECT_FALSE(Safe(text)) << text;
    LoadedHierarchy loaded(text);
    EXPECT_EQ(loaded.result, D3DXERR_INVALIDDATA) << text;
    EXPECT_EQ(loaded.alloc.m_iFrames, 0);
}

TEST(XFileTextCheck, AcceptsWellFormedFiles)
{
    for (const std::string& text :
         {TestSupport::ReadSampleFigure(), Square(GOOD_FACE, ""), Square("4; 0, 1, 2, 3", ""),
          Square(GOOD_FACE, "MeshMaterialList { 2; 2; 0, 1;; " + MATERIAL + " " + MATERIAL + " }"),
          Square(GOOD_FACE, "MeshMaterialList { 1; 1; 0;; " + MATERIAL + " }"),
          Square(GOOD_FACE, "MeshNormals { 1; 0.0; 0.0; 1.0;; 2; 3; 0, 0, 0;, 3; 0, 0, 0;; }"),
          Square(GOOD_FACE, "SkinWeights { \"A\"; 2; 0, 3; 1.0, 1e-3; " + IDENTITY + " }"),
          Square(GOOD_FACE, "VertexDuplicationIndices { 4; 4; 0, 1, 2, 3; }")}) {
        EXPECT_TRUE(Safe(text)) << text;
        LoadedHierarchy loaded(text);
        EXPECT_EQ(loaded.result, S_OK) << text;
    }
}

// Indices the importer would follow out of its arrays.
TEST(XFileTextCheck, RefusesIndicesOutOfRange)
{
    ExpectRefused(Square("3; 0, 2, 4", ""));
    ExpectRefused(Square(GOOD_FACE, "MeshNormals { 1; 0.0; 0.0; 1.0;; 2; 3; 0, 0, 0;, 3; 0, 0, 1;; }"));
    ExpectRefused(Square(GOOD_FACE, "SkinWeights { \"A\"; 1; 4; 1.0; " + IDENTITY + " }"));
    ExpectRefused(Square(GOOD_FACE, "SkinWeights { \"A\"; 1; 400000; 1.0; " + IDENTITY + " }"));
    ExpectRefused(Square(GOOD_FACE, "MeshMaterialList { 1; 2; 0, 1;; " + MATERIAL + " }"));
    ExpectRefused(Square(GOOD_FACE, "MeshVertexColors { 4; 0; 1.0; 1.0; 1.0; 1.0;;, 1; 1.0; 1.0; 1.0; 1.0;;, "
                                    "2; 1.0; 1.0; 1.0; 1.0;;, 9; 1.0; 1.0; 1.0; 1.0;;; }"));
}

// Counts that do not match what they count, or that the data does not hold.
TEST(XFileTextCheck, RefusesCountsThatDisagree)
{
    ExpectRefused(Square("2; 0, 2", ""));
    ExpectRefused(Square(GOOD_FACE, "MeshNormals { 1; 0.0; 0.0; 1.0;; 1; 3; 0, 0, 0;; }"));
    ExpectRefused(Square(GOOD_FACE, "MeshNormals { 1; 0.0; 0.0; 1.0;; 2; 3; 0, 0, 0;, 1; 0;; }"));
    ExpectRefused(Square(GOOD_FACE, "MeshTextureCoords { 3; 0.0; 0.0;, 1.0; 0.0;, 1.0; 1.0;; }"));
    ExpectRefused(Square(GOOD_FACE, "MeshMaterialList { 1; 0;; " + MATERIAL + " }"));
    // A list without materials leaves the importer's faces pointing at none.
    ExpectRefused(Square(GOOD_FACE, "MeshMaterialList { 0; 2; 0, 0;; }"));
    ExpectRefused(Square(GOOD_FACE, "MeshMaterialList { 1; 1; 0;; Xaterial { 1.0; 0.0; 0.0; 1.0;; }; }"));
    ExpectRefused(Square(GOOD_FACE, "MeshMaterialList { 2; 1; 0;; " + MATERIAL + " }"));
    ExpectRefused(Square(GOOD_FACE, "MeshMaterialList { 1; 1; 0;; " + MATERIAL + " " + MATERIAL + " }"));
    const std::string list = "MeshMaterialList { 1; 2; 0, 0;; " + MATERIAL + " }";
    ExpectRefused(Square(GOOD_FACE, list + " " + list));
    ExpectRefused("xof 0303txt 0032\nMesh {\n 999999999;\n 0.0; 0.0; 0.0;;\n 1;\n 3; 0, 0, 0;;\n}\n");
    ExpectRefused("xof 0303txt 0032\nMesh {\n 0;;\n 0;;\n}\n");
}

// Numbers that the importer reads otherwise than they are written, that
// wrap, or that are not finite.
TEST(XFileTextCheck, RefusesNumbersThatWouldBeMisread)
{
    for (const char* pFloat : {"1,5", "nan", "-inf", "1e99", "1.#IND00", "1.", "1234567890123456789"})
        ExpectRefused(Square(GOOD_FACE, "MeshTextureCoords { 4; 0.0; 0.0;, 1.0; 0.0;, 1.0; 1.0;, 0.0; " +
                                            std::string(pFloat) + ";; }"));
    ExpectRefused(Square("3; 0, 2, -1", ""));
    ExpectRefused(Square("3; 0, 2, 4294967299", ""));
}

TEST(XFileTextCheck, RefusesOtherFormatsAndUnclearText)
{
    const std::string good = Square(GOOD_FACE, "");
    std::string binary = good;
    binary.replace(8, 4, "bin ");
    ExpectRefused(binary);
    std::string zipped = good;
    zipped.replace(8, 4, "tzip");
    ExpectRefused(zipped);
    ExpectRefused("xof 0303txt 0032 Frame Hidden {}\n" + good.substr(17));
    ExpectRefused(good + "# a comment some readers skip\n");
    for (char control : {'\x01', '\x0B', '\x0C', '\x7F', '\0'}) {
        std::string withControl = good;
        withControl.insert(withControl.find("Body"), 1, control);
        ExpectRefused(withControl);
    }
    ExpectRefused(good.substr(0, good.size() - 3));
}

TEST(XFileTextCheck, BoundsTheHierarchy)
{
    const auto nested = [](int iDepth) {
        std::string text = "xof 0303txt 0032\n";
        for (int i = 0; i < iDepth; ++i)
            text += "Frame F" + std::to_string(i) + " {\n";
        return text + std::string(size_t(iDepth), '}') + "\n";
    };
    EXPECT_TRUE(Safe(nested(128)));
    ExpectRefused(nested(129));

    std::string siblings = "xof 0303txt 0032\nFrame Root {\n";
    for (int i = 0; i < 4096; ++i)
        siblings += "Frame S" + std::to_string(i) + " { }\n";
    ExpectRefused(siblings + "}\n");
}

} // namespace
