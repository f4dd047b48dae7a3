#include "help/helppages.h"

namespace {

constexpr char kCodeLineAt = 1;
constexpr char kCodeNextLine = 2;
constexpr char kCodePicture = 3;

} // namespace

// Each page's lines are one text, so that a translation is a page of its own, broken into lines
// as its language needs; the picture keeps its place. Leading and trailing spaces of a line are
// part of its text.
const std::array<helpPage, 7> helpPages = {{
    {KELMO_TEXT("HelpPages", "Pagina Principala"),
     KELMO_TEXT("HelpPages",
                "Aplicatia ofera posibilitatea generarii si vizualizarii unor semnale cu timp discret\n"
                "\n"
                "In cele ce urmeaza vom denumi\n"
                "aceste semnale variabile\n"
                "\n"
                "In zona de lucru se pot vedea \n"
                " variabilele aflate curent in \n"
                " memorie\n"
                "\n"
                "Prin Click stanga se pot selecta\n"
                " variabile in vederea efectuarii\n"
                " unor operatii\n"
                "\n"
                "Prin Click dreapta se activeaza\n"
                " meniul din imagine"),
     {1, 100, 16}},
    {KELMO_TEXT("HelpPages", "Generarea unei noi variabile"),
     KELMO_TEXT("HelpPages",
                "Se pot genera variabile pe baza unor functii matematice sau a altor variabile\n"
                "\n"
                "X este o variabila care ia valori\n"
                " intre 0 si 1 in timpul generarii\n"
                "\n"
                "Functii utilizabile sunt : \n"
                " sin, cos, arcsin ...\n"
                " exp, ln, abs, sgn\n"
                "\n"
                "Functii complexe :\n"
                " exp, abs, sin, cos, phase\n"
                "\n"
                "Variabile generatoare de zgomot :\n"
                " noise, nnoise (fara paranteze)\n"
                "\n"
                "Functiile corespunzatoare ferestrelor iau valori mai mari decat 0 numai in intervalul [0,1] \n"
                "Se poate seta numarul de esantioane care ne da precizia reprezentarii"),
     {2, 126, 10}},
    {KELMO_TEXT("HelpPages", "Salvarea si incarcarea variabilelor din fisiere"),
     KELMO_TEXT("HelpPages",
                "Din meniul File pot fi incarcate si salvate valorile variabilelor\n"
                " atat in formatul propriu cat si in formate folosite de alte programe\n"
                " in versiunea curenta sunt suportate urmatoarele formate : \n"
                "    PC-DSP versiune DOS"),
     {}},
    {KELMO_TEXT("HelpPages", "Operatii cu variabile"),
     KELMO_TEXT("HelpPages",
                " Programul permite lucrul cu variabile in doua moduri :\n"
                " - prin intermediul ferestrei \"Generare functie\"\n"
                "       datele dintr-o variabila pot fi accesate folosind numele acesteia ca pe un nume de\n"
                "        functie, de ex.: exp(nume_variabila(x))\n"
                "       variabila este considerata in acest caz o functie periodica, cu perioada 1 care in \n"
                "        intervalul [0,1) ia valorile variabilei\n"
                "       intre esantioanele variabilei se face si o interpolare cu filtrarea frecventelor mai mari \n"
                "        decat jumatatea frecventei de esantionare\n"
                "\n"
                " - al doilea mod este necesar pentru a efectua transformate, convolutii, etc.\n"
                "   operatiile permise sunt : \n"
                "     - ferestruire\n"
                "     - adunare, inmultire variabile\n"
                "     - schimbarea numarului de esantioane (resample) cu interpolare liniara\n"
                "     - transformata Fourier (intotdeauna rapida, chiar si cand numarul de esantioane\n"
                "            nu este putere a lui 2)\n"
                "     - corelatie si convolutie"),
     {}},
    {KELMO_TEXT("HelpPages", "Exercitii demonstrative --- partea I ---"),
     KELMO_TEXT("HelpPages",
                " Exercitiul 1 :\n"
                " - pentru inceput este utila cunoasterea scurtaturilor din taste\n"
                " - INS va aduce Fereastra de Generare functie\n"
                " in cazul in care nu este posibila folosirea unui mouse navigarea in fereastra se poate\n"
                " si cu ajutorul tastei TAB sau a combinatiei Shift-TAB\n"
                " !!! Atentie !!! - dupa completarea unui camp NU se trece la urmatorul cu tasta ENTER \n"
                " aceasta avand rolul de a confirma datele introduse si de a genera variabila\n"
                "\n"
                " - vom genera o sinusoida modulata in frecventa\n"
                " putem folosi formula sin(x*pi*50+4*sin(x*17))\n"
                " se observa ca datorita termenului x*pi*50 vom avea 25 de perioade\n"
                " si aproximativ 3 perioade ale semnalului modulator datorita termenului x*17\n"
                " reamintim faptul ca X ia valori intre 0 si 1 la generarea variabilei\n"
                " - alegem un numar de 512 esantioane pentru a asigura o precizie buna a reprezentarii\n"
                " - pentru a creea variabila si a o adauga in lista de variabile apasam ENTER\n"
                " remarcam faptul ca variabila a fost adaugata in lista"),
     {}},
    {KELMO_TEXT("HelpPages", "Exercitii demonstrative --- partea II ---"),
     KELMO_TEXT("HelpPages",
                " Exercitiul 2 :\n"
                " - creem o variabila in cazul in care aceasta nu exista deja\n"
                " (variabila de la exercitiul precedent este potrivita)\n"
                " - executand CLICK dreapta pe variabila selectam Procesare->Fourier, sau din meniul \n"
                " variabila, sau folosind tasta F ajungem la fereastra cu transformata Fourier\n"
                " - putem inlocui variabila cu transformata sa Fourier sau putem genera o noua variabila\n"
                " - alegem optiunea de listare a variabilei, tot prin una din cele 3 metode\n"
                " (scurtatura din taste este L)\n"
                " se observa ca variabila poate fi si editata\n"
                " - alegem optiunea Vizualizeaza (Enter)\n"
                " se observa ca se poate alege o scara logaritmica pe oricare din axe\n"
                " plimband mouse-ul pe deasupra graficului vor fi tiparite valoarea si\n"
                " panta functiei la coordonata X respectiva\n"
                " in functie de scara aleasa pt. axe (logaritmica sau nu) panta este afisata\n"
                " in unitatiY/unitatiX, unitati/decada, dB/decada, dB/unitatiX"),
     {}},
    {KELMO_TEXT("HelpPages", "Exercitii demonstrative --- partea III ---"),
     KELMO_TEXT("HelpPages",
                " Exercitiul 3 :\n"
                " - interpolare\n"
                " - creem variabila sin9 cu expresia sin(2*pi*x) avand 9 esantioane, apoi creem o\n"
                " variabila sin256 cu expresia sin9(x) si 128 de esantioane\n"
                " - folosind transformata Fourier analizam spectrul celor doua variabile\n"
                " - se genereaza o variabila si cu ajutorul functiei Resample avand tot 128 de esantioane\n"
                " si se compara spectrul acesteia cu spectrul variabilei sin256\n"
                "\n"
                " Exercitiul 4 :\n"
                " - se genereaza o sinusoida cu 16.5 perioade\n"
                " - se \"ferestruieste\" cu cele 5 tipuri de ferestre disponibile creandu-se variabile separate\n"
                " pentru fiecare tip de fereastra\n"
                " - se face o analiza spectrala a rezultatului\n"
                " - ce concluzii puteti trage in privinta diferitelor tipuri de ferestre ?\n"
                "\n"
                "Exercitiul 5 :\n"
                " - incercati sa generati functii cu grad mai mare de complexitate\n"
                " dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)"),
     {}},
}};

std::string describePage(std::string_view text, helpPicture picture)
{
    std::string d;
    d += kCodeLineAt;
    d += '\0';
    d += '\0';
    for (const char c : text) {
        if (c == '\n')
            d += kCodeNextLine;
        else
            d += static_cast<unsigned char>(c) < 32 ? ' ' : c;
    }
    if (picture.number > 0) {
        d += kCodePicture;
        d += static_cast<char>(picture.x);
        d += static_cast<char>(picture.y);
        d += static_cast<char>(picture.number);
    }
    return d;
}

const std::string& helpPageDescription(int page)
{
    static const std::array<std::string, 7> descriptions = [] {
        std::array<std::string, 7> out;
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = describePage(helpPages[i].text, helpPages[i].picture);
        return out;
    }();
    return descriptions.at(static_cast<std::size_t>(page));
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
