VERSION 5.00
Begin Host.Form Bells
   Caption         =   "Ring"
   ClientHeight    =   1800
   ClientLeft      =   300
   ClientTop       =   450
   ClientWidth     =   4800
   Begin Host.Label Raw
      Height          =   255
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   3000
      Caption         =   "[1mbold[0m, a loneCR, DEL, NEL and a	tab"
   End
   Begin Host.Label Written
      Height          =   255
      Left            =   240
      TabIndex        =   1
      Top             =   600
      Width           =   3000
      Caption         =   "two" & Chr(13) & Chr(10) & "lines"
   End
End
