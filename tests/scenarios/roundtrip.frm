VERSION 5.00
Begin Host.Form Form2
   Caption         =   "Round ""trip"""
   ClientHeight    =   3600
   ClientLeft      =   300
   ClientTop       =   450
   ClientWidth     =   4800
   Begin Host.Label Label1
      Height          =   255
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   1215
      Caption         =   "&Name:"
   End
   Begin Host.TextBox Text1
      Height          =   375
      Left            =   1560
      TabIndex        =   1
      Top             =   240
      Width           =   2055
      Text            =   "it's"
   End
   Begin Host.CommandButton Button1
      Height          =   375
      Left            =   240
      TabIndex        =   2
      Top             =   840
      Width           =   1215
      Caption         =   "OK"
   End
End
