#include "help/helppages.h"

#include <initializer_list>

namespace {

constexpr char kCodeLineAt = 1;
constexpr char kCodeNextLine = 2;
constexpr char kCodePicture = 3;

struct pictureAt {
    int picture = 0; // 0: none
    unsigned char x = 0, y = 0;
};

// Encodes a page: its first line at (0, 0), that is pixel (3, 3), each further line 16 pixels
// lower, and the picture, if any, last.
std::string describePage(std::initializer_list<std::string_view> lines, pictureAt picture = {})
{
    std::string d;
    bool first = true;
    for (std::string_view line : lines) {
        if (first) {
            d += kCodeLineAt;
            d += '\0';
            d += '\0';
            first = false;
        } else {
            d += kCodeNextLine;
        }
        d += line;
    }
    if (picture.picture) {
        d += kCodePicture;
        d += static_cast<char>(picture.x);
        d += static_cast<char>(picture.y);
        d += static_cast<char>(picture.picture);
    }
    return d;
}

std::array<std::string, 7> makePages()
{
    return {
        // "Pagina Principala"
        describePage({
            "Aplicatia ofera posibilitatea generarii si vizualizarii unor semnale cu timp discret",
            "",
            "In cele ce urmeaza vom denumi",
            "aceste semnale variabile",
            "",
            "In zona de lucru se pot vedea ",
            " variabilele aflate curent in ",
            " memorie",
            "",
            "Prin Click stanga se pot selecta",
            " variabile in vederea efectuarii",
            " unor operatii",
            "",
            "Prin Click dreapta se activeaza",
            " meniul din imagine",
        }, {1, 100, 16}),
        // "Generarea unei noi variabile"
        describePage({
            "Se pot genera variabile pe baza unor functii matematice sau a altor variabile",
            "",
            "X este o variabila care ia valori",
            " intre 0 si 1 in timpul generarii",
            "",
            "Functii utilizabile sunt : ",
            " sin, cos, arcsin ...",
            " exp, ln, abs, sgn",
            "",
            "Functii complexe :",
            " exp, abs, sin, cos, phase",
            "",
            "Variabile generatoare de zgomot :",
            " noise, nnoise (fara paranteze)",
            "",
            "Functiile corespunzatoare ferestrelor iau valori mai mari decat 0 numai in intervalul [0,1] ",
            "Se poate seta numarul de esantioane care ne da precizia reprezentarii",
        }, {2, 126, 10}),
        // "Salvarea si incarcarea variabilelor din fisiere"
        describePage({
            "Din meniul File pot fi incarcate si salvate valorile variabilelor",
            " atat in formatul propriu cat si in formate folosite de alte programe",
            " in versiunea curenta sunt suportate urmatoarele formate : ",
            "    PC-DSP versiune DOS",
        }),
        // "Operatii cu variabile"
        describePage({
            " Programul permite lucrul cu variabile in doua moduri :",
            " - prin intermediul ferestrei \"Generare functie\"",
            "       datele dintr-o variabila pot fi accesate folosind numele acesteia ca pe un nume de",
            "        functie, de ex.: exp(nume_variabila(x))",
            "       variabila este considerata in acest caz o functie periodica, cu perioada 1 care in ",
            "        intervalul [0,1) ia valorile variabilei",
            "       intre esantioanele variabilei se face si o interpolare cu filtrarea frecventelor mai mari ",
            "        decat jumatatea frecventei de esantionare",
            "",
            " - al doilea mod este necesar pentru a efectua transformate, convolutii, etc.",
            "   operatiile permise sunt : ",
            "     - ferestruire",
            "     - adunare, inmultire variabile",
            "     - schimbarea numarului de esantioane (resample) cu interpolare liniara",
            "     - transformata Fourier (intotdeauna rapida, chiar si cand numarul de esantioane",
            "            nu este putere a lui 2)",
            "     - corelatie si convolutie",
        }),
        // "Exercitii demonstrative --- partea I ---"
        describePage({
            " Exercitiul 1 :",
            " - pentru inceput este utila cunoasterea scurtaturilor din taste",
            " - INS va aduce Fereastra de Generare functie",
            " in cazul in care nu este posibila folosirea unui mouse navigarea in fereastra se poate",
            " si cu ajutorul tastei TAB sau a combinatiei Shift-TAB",
            " !!! Atentie !!! - dupa completarea unui camp NU se trece la urmatorul cu tasta ENTER ",
            " aceasta avand rolul de a confirma datele introduse si de a genera variabila",
            "",
            " - vom genera o sinusoida modulata in frecventa",
            " putem folosi formula sin(x*pi*50+4*sin(x*17))",
            " se observa ca datorita termenului x*pi*50 vom avea 25 de perioade",
            " si aproximativ 3 perioade ale semnalului modulator datorita termenului x*17",
            " reamintim faptul ca X ia valori intre 0 si 1 la generarea variabilei",
            " - alegem un numar de 512 esantioane pentru a asigura o precizie buna a reprezentarii",
            " - pentru a creea variabila si a o adauga in lista de variabile apasam ENTER",
            " remarcam faptul ca variabila a fost adaugata in lista",
        }),
        // "Exercitii demonstrative --- partea II ---"
        describePage({
            " Exercitiul 2 :",
            " - creem o variabila in cazul in care aceasta nu exista deja",
            " (variabila de la exercitiul precedent este potrivita)",
            " - executand CLICK dreapta pe variabila selectam Procesare->Fourier, sau din meniul ",
            " variabila, sau folosind tasta F ajungem la fereastra cu transformata Fourier",
            " - putem inlocui variabila cu transformata sa Fourier sau putem genera o noua variabila",
            " - alegem optiunea de listare a variabilei, tot prin una din cele 3 metode",
            " (scurtatura din taste este L)",
            " se observa ca variabila poate fi si editata",
            " - alegem optiunea Vizualizeaza (Enter)",
            " se observa ca se poate alege o scara logaritmica pe oricare din axe",
            " plimband mouse-ul pe deasupra graficului vor fi tiparite valoarea si",
            " panta functiei la coordonata X respectiva",
            " in functie de scara aleasa pt. axe (logaritmica sau nu) panta este afisata",
            " in unitatiY/unitatiX, unitati/decada, dB/decada, dB/unitatiX",
        }),
        // "Exercitii demonstrative --- partea III ---"
        describePage({
            " Exercitiul 3 :",
            " - interpolare",
            " - creem variabila sin9 cu expresia sin(2*pi*x) avand 9 esantioane, apoi creem o",
            " variabila sin256 cu expresia sin9(x) si 128 de esantioane",
            " - folosind transformata Fourier analizam spectrul celor doua variabile",
            " - se genereaza o variabila si cu ajutorul functiei Resample avand tot 128 de esantioane",
            " si se compara spectrul acesteia cu spectrul variabilei sin256",
            "",
            " Exercitiul 4 :",
            " - se genereaza o sinusoida cu 16.5 perioade",
            " - se \"ferestruieste\" cu cele 5 tipuri de ferestre disponibile creandu-se variabile separate",
            " pentru fiecare tip de fereastra",
            " - se face o analiza spectrala a rezultatului",
            " - ce concluzii puteti trage in privinta diferitelor tipuri de ferestre ?",
            "",
            "Exercitiul 5 :",
            " - incercati sa generati functii cu grad mai mare de complexitate",
            " dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)",
        }),
    };
}

} // namespace

const std::array<std::string_view, 7> helpPageTitles = {
    "Pagina Principala",
    "Generarea unei noi variabile",
    "Salvarea si incarcarea variabilelor din fisiere",
    "Operatii cu variabile",
    "Exercitii demonstrative --- partea I ---",
    "Exercitii demonstrative --- partea II ---",
    "Exercitii demonstrative --- partea III ---",
};

const std::string& helpPageDescription(int page)
{
    static const std::array<std::string, 7> pages = makePages();
    return pages.at(static_cast<std::size_t>(page));
}

std::vector<helpItem> interpretPage(std::string_view description)
{
    std::vector<helpItem> items;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(description[i]); };
    const std::size_t size = description.size();
    int lineX = 3, lineY = 3;
    std::size_t p = 0;
    // The last byte is never taken as a code.
    while (p + 1 < size) {
        const unsigned char code = byte(p);
        if (code == kCodeLineAt || code == kCodeNextLine) {
            if (code == kCodeLineAt) {
                if (p + 2 >= size)
                    break;
                lineY = 2 * byte(p + 1) + 3;
                lineX = 2 * byte(p + 2) + 3;
                p += 3;
            } else {
                lineY += 16;
                p += 1;
            }
            const std::size_t start = p;
            while (p < size && byte(p) >= 32)
                ++p;
            items.push_back({helpItem::text, lineX, lineY, std::string(description.substr(start, p - start)), 0});
        } else if (code == kCodePicture) {
            if (p + 3 >= size)
                break;
            items.push_back({helpItem::picture, 2 * byte(p + 1), 2 * byte(p + 2), {}, byte(p + 3)});
            p += 4;
        } else {
            ++p; // text outside a line, or a code the pages do not use
        }
    }
    return items;
}
