// make_heavy_site FOLDER: writes a heavy test site: a Shift_JIS page with 300 small images (60
// of them referenced from style sheets), 20 style sheets each importing another, 20 scripts.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_heavy_site FOLDER\n";
    return 64;
  }
  const fs::path root = argv[1];
  for (const char* sub : {"img", "css", "js"})
    fs::create_directories(root / sub);
  const std::string gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00;", 19);
  for (int i = 0; i < 300; ++i) {
    std::ofstream(root / "img" / ("i" + std::to_string(i) + ".gif"), std::ios::binary)
        << gif << std::string(static_cast<std::size_t>(200 + i), 'x');
  }
  std::string head;
  for (int i = 0; i < 20; ++i) {
    const std::string name = "s" + std::to_string(i);
    std::ofstream sheet(root / "css" / (name + ".css"));
    sheet << "@import url(\"" << name << "b.css\");\n";
    for (int k = 0; k < 3; ++k)
      sheet << ".c" << i << "_" << k << " { background: url(../img/i" << (i * 3 + k)
            << ".gif); }\n";
    std::ofstream(root / "css" / (name + "b.css")) << "p.b" << i << " { color: #333333; }\n";
    head += "<link rel=\"stylesheet\" type=\"text/css\" href=\"css/" + name + ".css\">\n";
    std::ofstream(root / "js" / ("j" + std::to_string(i) + ".js"))
        << "var v" << i << " = " << i << ";\n";
    head += "<script type=\"text/javascript\" src=\"js/j" + std::to_string(i) + ".js\"></script>\n";
  }
  std::ofstream page(root / "index.html");
  page << "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
          "charset=Shift_JIS\">\n<title>heavy</title>\n"
       << head << "</head>\n<body>\n";
  for (int i = 60; i < 300; ++i)
    page << "<img src=\"img/i" << i << ".gif\" width=\"1\">\n";
  page << "</body>\n</html>\n";
  return 0;
}
