// Reads every IGES file of a folder with the Open CASCADE IGES reader and fails when a file
// cannot be loaded, the load check reports failures, or no shape is transferred.
#include <IFSelect_ReturnStatus.hxx>
#include <IGESControl_Reader.hxx>
#include <IGESData_IGESEntity.hxx>
#include <Interface_CheckIterator.hxx>
#include <Interface_InterfaceModel.hxx>
#include <XSControl_WorkSession.hxx>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: iges_occt_check FOLDER\n";
        return 2;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1]))
        if (entry.path().extension() == ".igs") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::cerr << "no IGES files in " << argv[1] << "\n";
        return 1;
    }
    int failed = 0;
    for (const auto& path : files) {
        IGESControl_Reader reader;
        const IFSelect_ReturnStatus status = reader.ReadFile(path.c_str());
        if (status != IFSelect_RetDone) {
            std::cout << path.filename() << ": not loaded (status " << status << ")\n";
            ++failed;
            continue;
        }
        const Interface_CheckIterator checks = reader.WS()->ModelCheckList();
        const bool loadFails = !checks.IsEmpty(Standard_True);
        const int entities = reader.WS()->Model()->NbEntities();
        reader.SetReadVisible(Standard_False);
        const int roots = reader.NbRootsForTransfer();
        reader.TransferRoots();
        const int shapes = reader.NbShapes();
        // Every independent curve and every subfigure instance must become a shape; texts
        // are annotations that the reader does not turn into shapes.
        int expected = 0;
        for (int i = 1; i <= entities; ++i) {
            Handle(IGESData_IGESEntity) e =
                Handle(IGESData_IGESEntity)::DownCast(reader.WS()->Model()->Value(i));
            if (e.IsNull() || e->SubordinateStatus() != 0) continue;
            const int type = e->TypeNumber();
            if (type == 100 || type == 106 || type == 110 || type == 408) ++expected;
        }
        std::cout << path.filename() << ": " << entities << " entities, " << roots << " roots, "
                  << shapes << " shapes of " << expected << " curves and instances"
                  << (loadFails ? ", load check FAILS" : "") << "\n";
        if (loadFails) {
            checks.Print(std::cout, reader.WS()->Model(), Standard_True);
            ++failed;
        } else if (shapes < expected) {
            ++failed;
        }
    }
    return failed ? 1 : 0;
}
